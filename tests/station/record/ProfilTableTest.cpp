// The profile table on real files: canonical round trip, normalisation, record ends, failed loads
// and saves that lose nothing, deleting and pasting sets.
#include "tests/station/config/ProgramKey.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRProfilRecord.h"
#include "station/record/CSVFile.h"
#include "LiveAllocations.h"
#include <fstream>
#include <sstream>

using namespace testing_support;

namespace
{
// Two sets as the writer writes them: 16 fields, the degree sign as one byte, CR LF.
const char kCanonical[] = "Board A;Chip 1;BGA;150;60;180;220;217;7;IR-Sensor; \xB0"
                          "C;6,0 x 10 mm;6,0 x 10 mm;Links unten;40;1.000\r\n"
                          "Board B;QFP 208;QFP;100;90;150;200;183;5;TE-Sensor; \xB0"
                          "F;8,0 x 8 mm;5,0 x 5 mm;Rechts oben;30;1.250\r\n";

const char kOpenError[] = "Es ist ein Fehler beim \xD6"
                          "ffnen der Datei aufgetreten.";
const char kCreateError[] = "Es ist ein Fehler beim Erstellen der CSV Datei aufgetreten.";

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

int CountFiles(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    int count = 0;
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            count++;
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
    return count;
}

class ProfilTableTest : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        m_folder = TempFolder() + "\\profiles";
        ::CreateDirectoryA(m_folder.c_str(), NULL);
        m_path = m_folder + "\\IRProfil.csv";
        ::DeleteFileA(m_path.c_str());
        WriteRawText(HKEY_LOCAL_MACHINE, "Settings", "ProfilFile", m_path);
        m_pConfig = new CProjektConfig(FALSE);
        CApplicationValues::SetProjektConfig(m_pConfig);
    }
    void TearDown() override
    {
        CApplicationValues::SetProjektConfig(NULL);
        delete m_pConfig;
        ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(m_path.c_str());
        ::RemoveDirectoryA(m_folder.c_str());
        ProgramKeyTest::TearDown();
    }

    std::string Row(CIRProfilRecord& table, int id)
    {
        std::string row;
        for (int n = 1; n <= 16; n++)
            row += std::string(table.GetCellText(id, n)) + (n < 16 ? "|" : "");
        return row;
    }

    std::string m_folder;
    std::string m_path;
    CProjektConfig* m_pConfig = NULL;
};
} // namespace

TEST_F(ProfilTableTest, ACanonicalFileLoadsIntoItsFieldsAndSavesBackByteForByte)
{
    WriteFile(m_path, kCanonical);
    CIRProfilRecord table;
    EXPECT_STREQ(m_path.c_str(), table.GetPath());
    ASSERT_EQ(2, table.GetSetCount());
    EXPECT_EQ("Board A|Chip 1|BGA|150|60|180|220|217|7|IR-Sensor| \xB0"
              "C|6,0 x 10 mm|6,0 x 10 mm|Links unten|40|FALSE",
              Row(table, 1));
    EXPECT_EQ("Board B|QFP 208|QFP|100|90|150|200|183|5|TE-Sensor| \xB0"
              "F|8,0 x 8 mm|5,0 x 5 mm|Rechts oben|30|TRUE",
              Row(table, 2));
    EXPECT_STREQ("1.250", table.FindSet(2)->GetField16Text());
    EXPECT_EQ(NULL, table.FindSet(3));
    EXPECT_STREQ("", table.GetCellText(3, 1));
    // Fields outside 1 to 16 are empty and cannot be set.
    for (int n : {0, 17, -1})
    {
        EXPECT_STREQ("", table.GetCellText(1, n)) << n;
        EXPECT_STREQ("", table.GetCellText(0, n)) << n;
        EXPECT_TRUE(table.FindSet(1)->SetFieldText(n, "x")) << n;
    }

    ASSERT_TRUE(table.WriteProfileCsv());
    EXPECT_EQ(kCanonical, ReadFile(m_path));
    EXPECT_EQ(1, CountFiles(m_folder)); // no temporary file left

    // Reading what was written gives the same sets with ids 1 to n.
    CIRProfilRecord again;
    ASSERT_EQ(2, again.GetSetCount());
    EXPECT_EQ(Row(table, 1), Row(again, 1));
    EXPECT_EQ(Row(table, 2), Row(again, 2));
}

TEST_F(ProfilTableTest, SavingNormalisesLimitsTextsAndTheFactor)
{
    WriteFile(m_path, "\"Board\";\"Komp\";Typ;300;-5;abc;220;217;11;irgendwas;F;X;Y;Z;10;\"1.5\"\r\n"
                      "B;C;T;29;240;250;100;250;0;TE-Sensor; \xB0"
                      "F;X;Y;Z;121;0.25\r\n");
    CIRProfilRecord table;
    ASSERT_EQ(2, table.GetSetCount());
    ASSERT_TRUE(table.WriteProfileCsv());
    EXPECT_EQ("Board;\"Komp\";Typ;250;0;30;220;217;10;IR-Sensor; \xB0"
              "C;X;Y;Z;30;1.500\r\n"
              "B;C;T;30;240;250;100;250;0;TE-Sensor; \xB0"
              "F;X;Y;Z;120;0.250\r\n",
              ReadFile(m_path));
}

TEST_F(ProfilTableTest, SeparatorsAndLineEndsInsideAFieldAreWrittenAsUnderscores)
{
    CIRProfilRecord table;
    ASSERT_TRUE(table.AddRow());
    EXPECT_TRUE(table.SetCellText(1, 1, "A;B"));
    EXPECT_TRUE(table.SetCellText(1, 2, "line\r\nbreak\rx\ny"));
    EXPECT_EQ("A_B;line__break_x_y;;30;0;30;100;100;0;TE-Sensor; \xB0"
              "C;6,0 x 10 mm;6,0 x 10 mm;Links unten;30;1.000\r\n",
              ReadFile(m_path));
}

TEST_F(ProfilTableTest, TheLimitsComeFromTheProjectConfiguration)
{
    ASSERT_TRUE(m_pConfig->SetT1Max(200));
    ASSERT_TRUE(m_pConfig->SetT1Min(0));
    WriteFile(m_path, "a;b;c;300\r\nd;e;f;x\r\n");
    CIRProfilRecord table;
    EXPECT_STREQ("200", table.GetCellText(1, 4));
    EXPECT_STREQ("0", table.GetCellText(2, 4));
    // A minimum above the maximum wins.
    ASSERT_TRUE(m_pConfig->SetT2Min(200));
    ASSERT_TRUE(m_pConfig->SetT2Max(100));
    CIRProfilSet set(1, *m_pConfig);
    set.SetFieldText(6, "150");
    EXPECT_STREQ("200", set.GetFieldText(6));
}

TEST_F(ProfilTableTest, RecordsEndAtAnyLineEndAndShortOnesKeepTheDefaults)
{
    WriteFile(m_path, "short;x\r\n"
                      "\r\n"
                      "lone;cr\r"
                      "lone;lf\n"
                      "\n"
                      "1;2;3;100;10;100;200;200;5;IR-Sensor; \xB0"
                      "F;x;y;z;50;2.000;extra;fields\r\n"
                      "last;without;line end");
    CIRProfilRecord table;
    ASSERT_EQ(5, table.GetSetCount());
    const char* defaults = "30|0|30|100|100|0|TE-Sensor| \xB0"
                           "C|6,0 x 10 mm|6,0 x 10 mm|Links unten|30|FALSE";
    EXPECT_EQ(std::string("short|x||") + defaults, Row(table, 1));
    EXPECT_EQ(std::string("lone|cr||") + defaults, Row(table, 2));
    EXPECT_EQ(std::string("lone|lf||") + defaults, Row(table, 3));
    EXPECT_EQ("1|2|3|100|10|100|200|200|5|IR-Sensor| \xB0"
              "F|x|y|z|50|TRUE",
              Row(table, 4));
    EXPECT_EQ(std::string("last|without|line end|") + defaults, Row(table, 5));
}

// Lines of separators, blanks and quotes only hold no profile: the sets around them keep their
// ids, and ten megabytes of such lines leave the table empty (they were 3.5 million sets and
// 900 MB of heap).
TEST_F(ProfilTableTest, LinesWithoutAFilledFieldAreNoSets)
{
    WriteFile(m_path,
              std::string(";\r\n;;;;;;;;;;;;;;;\r\n") + " ; \t;\r\n\"\";;\"\"\r\n" + kCanonical + ";\r\n");
    {
        CIRProfilRecord table;
        ASSERT_EQ(2, table.GetSetCount());
        EXPECT_STREQ("Board A", table.GetCellText(1, 1));
        EXPECT_STREQ("Board B", table.GetCellText(2, 1));
        ASSERT_TRUE(table.WriteProfileCsv());
        EXPECT_EQ(kCanonical, ReadFile(m_path)) << "only the sets are written back";
    }

    std::string lines;
    while (lines.size() < 10 * 1024 * 1024)
        lines += ";\r\n";
    WriteFile(m_path, lines);
    const long nBefore = LiveAllocations();
    CIRProfilRecord table;
    EXPECT_EQ(0, table.GetSetCount());
    EXPECT_LT(LiveAllocations() - nBefore, 1000) << "the empty table holds almost nothing";
}

TEST_F(ProfilTableTest, QuotesAreRemovedFromTheBoardAndTheFactorOnly)
{
    WriteFile(m_path, "\"Bo\"ard\";\"Komp\";T;100;0;100;200;200;0;TE-Sensor; \xB0"
                      "C;x;y;z;30;\"1.000\"\r\n");
    CIRProfilRecord table;
    EXPECT_STREQ("Board", table.GetCellText(1, 1));
    EXPECT_STREQ("\"Komp\"", table.GetCellText(1, 2));
    EXPECT_STREQ("FALSE", table.GetCellText(1, 16));
}

TEST_F(ProfilTableTest, AMissingFileIsCreatedOnFirstStart)
{
    CIRProfilRecord table;
    EXPECT_EQ(0, table.GetSetCount());
    EXPECT_EQ(0u, ::GetFileAttributesA(m_path.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ("", ReadFile(m_path));
}

TEST_F(ProfilTableTest, ALockedFileIsReportedAndNeverOverwritten)
{
    WriteFile(m_path, kCanonical);
    HANDLE hLock = ::CreateFileA(m_path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    {
        MessageBoxes boxes;
        boxes.Expect(IDOK, kOpenError);
        CIRProfilRecord table;
        EXPECT_EQ(0, table.GetSetCount());
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), boxes.Shown()[0].type & MB_ICONMASK);

        // The user edits the empty table: nothing is written over the file, even once it is free.
        boxes.Expect(IDOK, kCreateError);
        ASSERT_TRUE(table.AddRow());
        EXPECT_FALSE(table.SetCellText(1, 1, "new"));
        ::CloseHandle(hLock);
        hLock = INVALID_HANDLE_VALUE;
        boxes.Expect(IDOK, kCreateError);
        EXPECT_FALSE(table.WriteProfileCsv());
        EXPECT_EQ(kCanonical, ReadFile(m_path));

        // Loading again succeeds and lifts the refusal.
        EXPECT_TRUE(table.ReadProfileCsv());
        EXPECT_EQ(2, table.GetSetCount());
        EXPECT_TRUE(table.WriteProfileCsv());
        EXPECT_EQ(0u, boxes.Pending());
    }
    EXPECT_EQ(kCanonical, ReadFile(m_path));
}

TEST_F(ProfilTableTest, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    WriteFile(m_path, kCanonical);
    CIRProfilRecord table;
    ASSERT_EQ(2, table.GetSetCount());
    // Another program reads the file and does not let it be replaced.
    HANDLE hReader = ::CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                   OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hReader);
    {
        MessageBoxes boxes;
        boxes.Expect(IDOK, kCreateError);
        EXPECT_FALSE(table.SetCellText(1, 1, "changed"));
        EXPECT_EQ(1u, boxes.Shown().size());
    }
    ::CloseHandle(hReader);
    EXPECT_EQ(kCanonical, ReadFile(m_path));
    EXPECT_EQ(1, CountFiles(m_folder));
    // The change is still in the table and the next save writes it.
    EXPECT_STREQ("changed", table.GetCellText(1, 1));
    EXPECT_TRUE(table.WriteProfileCsv());
    EXPECT_EQ(0u, ReadFile(m_path).find("changed;Chip 1;"));
}

TEST_F(ProfilTableTest, DeletingRenumbersAndPastingFillsTheLastSet)
{
    WriteFile(m_path, "A;1;;100;0;100;200;200;0;TE-Sensor; \xB0"
                      "C;x;y;z;30;1.000\r\n"
                      "B;2;;100;0;100;200;200;0;TE-Sensor; \xB0"
                      "C;x;y;z;30;1.000\r\n"
                      "C;3;;100;0;100;200;200;0;TE-Sensor; \xB0"
                      "C;x;y;z;30;1.000\r\n");
    CIRProfilRecord table;
    ASSERT_EQ(3, table.GetSetCount());
    EXPECT_TRUE(table.DeleteSet(2));
    ASSERT_EQ(2, table.GetSetCount());
    EXPECT_STREQ("A", table.GetCellText(1, 1));
    EXPECT_STREQ("C", table.GetCellText(2, 1));
    EXPECT_EQ(NULL, table.FindSet(3));
    EXPECT_TRUE(table.DeleteSet(7)); // none: nothing changes
    EXPECT_EQ(2, table.GetSetCount());
    // The id counter ends at the count: the next set is number 3.
    CIRProfilSet* pNew = table.AddSet();
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(3, pNew->GetId());

    CIRProfilSet source(0, *m_pConfig);
    source.SetFieldText(1, "Pasted");
    source.SetFieldText(4, "180");
    source.SetFieldText(10, "IR-Sensor");
    source.SetFieldText(11, " \xB0"
                            "F");
    source.SetField16Text("1.125");
    EXPECT_TRUE(table.PasteSet(source));
    EXPECT_EQ("Pasted|||180|0|30|100|100|0|IR-Sensor| \xB0"
              "F|6,0 x 10 mm|6,0 x 10 mm|Links unten|30|TRUE",
              Row(table, 3));
    EXPECT_STREQ("1.125", pNew->GetField16Text());
    CIRProfilRecord reloaded;
    ASSERT_EQ(3, reloaded.GetSetCount());
    EXPECT_EQ(Row(table, 3), Row(reloaded, 3));
}

TEST_F(ProfilTableTest, DeletingASetWritesTheOthersRenumbered)
{
    const std::string a = "A;1;;100;0;100;200;200;0;TE-Sensor; \xB0"
                          "C;x;y;z;30;1.000\r\n";
    const std::string b = "B;2;;100;0;100;200;200;0;TE-Sensor; \xB0"
                          "C;x;y;z;30;1.000\r\n";
    const std::string c = "C;3;;100;0;100;200;200;0;TE-Sensor; \xB0"
                          "C;x;y;z;30;1.000\r\n";
    struct
    {
        int id;
        const char* boards; // boards of ids 1, 2, ... after the deletion
        std::string file;
    } cases[] = {
        {1, "BC", b + c},      {2, "AC", a + c},
        {3, "AB", a + b},      {4, "ABC", a + b + c}, // none: nothing changes, nothing is written
        {0, "ABC", a + b + c},
    };
    for (const auto& k : cases)
    {
        SCOPED_TRACE(k.id);
        WriteFile(m_path, a + b + c);
        CIRProfilRecord table;
        ASSERT_EQ(3, table.GetSetCount());
        if (k.file == a + b + c)
            WriteFile(m_path, "untouched"); // shows that nothing is written
        EXPECT_TRUE(table.DeleteSet(k.id));
        std::string boards;
        for (int id = 1; id <= table.GetSetCount(); id++)
        {
            ASSERT_NE(nullptr, table.FindSet(id));
            boards += std::string(table.GetCellText(id, 1));
        }
        EXPECT_EQ(k.boards, boards);
        EXPECT_EQ(NULL, table.FindSet(table.GetSetCount() + 1));
        EXPECT_EQ(k.file == a + b + c ? std::string("untouched") : k.file, ReadFile(m_path));
        // The next new set follows the last one.
        CIRProfilSet* pNew = table.AddSet();
        ASSERT_NE(nullptr, pNew);
        EXPECT_EQ(int(strlen(k.boards)) + 1, pNew->GetId());
    }
}

TEST_F(ProfilTableTest, PastingIntoAnEmptyTableDoesNothing)
{
    WriteFile(m_path, "");
    CIRProfilRecord table;
    ASSERT_EQ(0, table.GetSetCount());
    WriteFile(m_path, "untouched");
    CIRProfilSet source(0, *m_pConfig);
    source.SetFieldText(1, "Pasted");
    EXPECT_FALSE(table.PasteSet(source));
    EXPECT_EQ(0, table.GetSetCount());
    EXPECT_EQ("untouched", ReadFile(m_path));
}

TEST_F(ProfilTableTest, AWriteProtectedFileIsLoadedButNeverReplaced)
{
    WriteFile(m_path, kCanonical);
    ASSERT_TRUE(::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        CIRProfilRecord table;
        ASSERT_EQ(2, table.GetSetCount());
        MessageBoxes boxes;
        boxes.Expect(IDOK, kCreateError);
        EXPECT_FALSE(table.SetCellText(1, 1, "changed"));
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_STREQ("changed", table.GetCellText(1, 1));
    }
    EXPECT_EQ(kCanonical, ReadFile(m_path));
    EXPECT_EQ(1, CountFiles(m_folder));
}

TEST_F(ProfilTableTest, ColumnsAndHeaderRow)
{
    CIRProfilRecord table;
    EXPECT_EQ(16, table.GetColumnCount());
    struct
    {
        int n;
        const char* title;
        int width;
        COLORREF colour;
        BOOL checkBox;
    } cases[] = {{1, "Board", 100, 0xFBE084, FALSE},
                 {4,
                  "T1/\xB0"
                  "C",
                  40, 0xFFFFFF, FALSE},
                 {10, "Sensor", 70, 0xFFFFFF, FALSE},
                 {15,
                  "Tinit/\xB0"
                  "C",
                  50, 0xF0FFE6, FALSE},
                 {16, "Kal.", 30, 0xF0FFE6, TRUE}};
    for (const auto& c : cases)
    {
        CString title;
        int field = 0, width = 0;
        COLORREF colour = 0;
        BOOL checkBox = FALSE;
        ASSERT_TRUE(CIRProfilRecord::GetColumnInfo(c.n, title, field, width, colour, checkBox));
        EXPECT_STREQ(c.title, title);
        EXPECT_EQ(c.n, field);
        EXPECT_EQ(c.width, width);
        EXPECT_EQ(c.colour, colour);
        EXPECT_EQ(c.checkBox, checkBox);
        EXPECT_STREQ(c.title, table.GetCellText(0, c.n));
    }
    CString title;
    int field, width;
    COLORREF colour;
    BOOL checkBox;
    EXPECT_FALSE(CIRProfilRecord::GetColumnInfo(0, title, field, width, colour, checkBox));
    EXPECT_FALSE(CIRProfilRecord::GetColumnInfo(17, title, field, width, colour, checkBox));
    EXPECT_TRUE(table.SetCellText(0, 2, "Bauteil"));
    EXPECT_STREQ("Bauteil", table.GetCellText(0, 2));
}

TEST_F(ProfilTableTest, ARelativeFileNameIsTakenFromTheProgramFolder)
{
    WriteRawText(HKEY_LOCAL_MACHINE, "Settings", "ProfilFile", "IRProfilTest.csv");
    std::string expected = std::string(CConfig::GetModuleDirectory()) + "IRProfilTest.csv";
    {
        CIRProfilRecord table;
        EXPECT_STREQ(expected.c_str(), table.GetPath());
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(expected.c_str()));
    ::DeleteFileA(expected.c_str());
}

TEST(CSVFile, FieldsAndRecordsOfAStream)
{
    std::string path = TempFolder() + "\\fields.csv";
    {
        CCSVFile csv(1, ';', '.', '_');
        ASSERT_TRUE(csv.Open(path.c_str(), TRUE));
        csv << "a"
            << "b;c"
            << "" << NULL;
        csv << "d" << NULL;
        csv.Close();
    }
    EXPECT_EQ("a;b_c;\r\nd\r\n", ReadFile(path));
    CCSVFile csv(1, ';', '.', '_');
    ASSERT_TRUE(csv.Open(path.c_str(), FALSE));
    EXPECT_EQ(1, csv.GetRecordNumber());
    CString field;
    csv >> field;
    EXPECT_STREQ("a", field);
    EXPECT_FALSE(csv.IsEndOfRecord());
    csv >> field >> field;
    EXPECT_STREQ("", field);
    EXPECT_TRUE(csv.IsEndOfRecord());
    EXPECT_EQ(2, csv.GetRecordNumber());
    CStringArray fields;
    EXPECT_TRUE(csv.ReadRecord(fields));
    ASSERT_EQ(1, int(fields.GetSize()));
    EXPECT_STREQ("d", fields[0]);
    EXPECT_FALSE(csv.ReadRecord(fields));
    EXPECT_TRUE(csv.IsEndOfFile());
    csv.Close();
    ::DeleteFileA(path.c_str());

    MessageBoxes boxes;
    boxes.Expect(IDOK, kOpenError);
    CCSVFile missing(1, ';', '.', '_');
    EXPECT_FALSE(missing.Open((TempFolder() + "\\nowhere\\x.csv").c_str(), FALSE));
    boxes.Expect(IDOK, kCreateError);
    EXPECT_FALSE(missing.Open((TempFolder() + "\\nowhere\\x.csv").c_str(), TRUE));
}

// A megabyte of separators is one record of a million fields; reading it grows the field array
// geometrically (it took 4.5 s when the array grew by at most 1,024 at a time).
TEST(CSVFile, OneRecordOfAMillionFieldsReadsQuickly)
{
    std::string path = TempFolder() + "\\separators.csv";
    WriteFile(path, std::string(1000000, ';') + "\r\n");
    CCSVFile csv(1, ';', '.', '_');
    ASSERT_TRUE(csv.Open(path.c_str(), FALSE));
    CStringArray fields;
    DWORD start = ::GetTickCount();
    ASSERT_TRUE(csv.ReadRecord(fields));
    DWORD elapsed = ::GetTickCount() - start;
    csv.Close();
    EXPECT_EQ(1000001, (int)fields.GetSize());
    EXPECT_LT(elapsed, 2000u);
    ::DeleteFileA(path.c_str());
}

// The fourteen limits are read once per load, not once per record (a megabyte took 20 s).
TEST_F(ProfilTableTest, AMegabyteTableLoadsWithinSeconds)
{
    std::string content;
    while (content.size() < 1000000)
        content += kCanonical;
    WriteFile(m_path, content);
    DWORD start = ::GetTickCount();
    CIRProfilRecord table;
    DWORD elapsed = ::GetTickCount() - start;
    EXPECT_GT(table.GetSetCount(), 7000);
    EXPECT_LT(elapsed, 6000u);
}
