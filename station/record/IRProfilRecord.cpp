// Profile table: load, save and the cell operations of the profile grid.
#include "station/record/IRProfilRecord.h"
#include "station/record/ApplicationValues.h"
#include "station/record/CSVFile.h"
#include "station/config/ProjektConfig.h"
#include "StationIds.h"
#include <ctype.h>
#include <shlwapi.h>

namespace
{
void ShowFileError(UINT nID, LPCSTR path)
{
    CString text;
    AfxFormatString1(text, nID, path);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

// A line of separators, blanks and quotes only holds no profile: it is no set, however many
// such lines the file has.
bool AnyFieldFilled(const CStringArray& fields)
{
    for (INT_PTR i = 0; i < fields.GetSize(); i++)
        for (LPCTSTR p = fields[i]; *p != '\0'; p++)
            if (*p != '"' && !isspace((unsigned char)*p))
                return true;
    return false;
}
} // namespace

CIRProfilRecord::CIRProfilRecord()
    : m_sets(10), m_nIdCounter(0), m_nColumnCount(CIRProfilSet::FieldCount), m_bMayWrite(TRUE)
{
    for (int n = 1; n <= CIRProfilSet::FieldCount; n++)
        m_strHeader[n].LoadString(CIRProfilSet::GetFieldInfo(n)->nTitleId);
    // A relative name belongs in the program's folder, whatever the current directory.
    m_strPath = CApplicationValues::GetProjektConfig().GetProfilFile();
    if (m_strPath.IsEmpty() || ::PathIsRelativeA(m_strPath))
        m_strPath = CConfig::GetModuleDirectory() + m_strPath;
    ReadProfileCsv();
}

CIRProfilRecord::~CIRProfilRecord()
{
    RemoveAllSets();
}

void CIRProfilRecord::RemoveAllSets()
{
    while (!m_sets.IsEmpty())
        delete m_sets.RemoveHead();
    m_nIdCounter = 0;
}

BOOL CIRProfilRecord::ReadProfileCsv()
{
    RemoveAllSets();
    if (::GetFileAttributesA(m_strPath) == INVALID_FILE_ATTRIBUTES)
    {
        DWORD dwError = ::GetLastError();
        if (dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND)
        {
            // First start: there is nothing to lose, so the table may make its file.
            m_bMayWrite = TRUE;
            return WriteProfileCsv();
        }
    }
    CCSVFile csv(1, ';', '.', '_');
    if (!csv.Open(m_strPath, FALSE))
    {
        m_bMayWrite = FALSE;
        return FALSE;
    }
    try
    {
        CStringArray fields;
        // The limits come from the registry once per load, not once per record.
        const CIRProfilSet limits(0, CApplicationValues::GetProjektConfig());
        while (csv.ReadRecord(fields))
        {
            if (!AnyFieldFilled(fields))
                continue;
            CIRProfilSet* pSet = AddSet(&limits);
            if (pSet == NULL)
                break;
            // A short record keeps a new set's values for what it lacks; extra fields are ignored.
            int count = fields.GetSize() < CIRProfilSet::FieldCount ? int(fields.GetSize())
                                                                    : CIRProfilSet::FieldCount;
            for (int n = 1; n <= count; n++)
            {
                CString text = fields[n - 1];
                if (n == 1 || n == CIRProfilSet::FieldCount)
                    text.Remove('"');
                if (n == CIRProfilSet::FieldCount)
                    pSet->SetField16Text(text);
                else
                    pSet->SetFieldText(n, text);
            }
        }
        csv.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        csv.Abort();
        RemoveAllSets();
        m_bMayWrite = FALSE;
        ShowFileError(IDS_CSV_OPEN_ERROR, m_strPath);
        return FALSE;
    }
    m_bMayWrite = TRUE;
    return TRUE;
}

BOOL CIRProfilRecord::WriteProfileCsv()
{
    if (!m_bMayWrite)
    {
        // The file on disk was never read: writing now would replace it with what is shown.
        ShowFileError(IDS_CSV_CREATE_ERROR, m_strPath);
        return FALSE;
    }
    // Renaming over the file would get past its write protection: an existing file must be
    // writable in place, as it would have to be if it were written directly.
    BOOL writable = TRUE;
    DWORD attributes = ::GetFileAttributesA(m_strPath);
    if (attributes != INVALID_FILE_ATTRIBUTES)
    {
        HANDLE hOld =
            ::CreateFileA(m_strPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          NULL, OPEN_EXISTING, 0, NULL);
        writable = hOld != INVALID_HANDLE_VALUE &&
                   !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
        if (hOld != INVALID_HANDLE_VALUE)
            ::CloseHandle(hOld);
    }
    if (!writable)
    {
        ShowFileError(IDS_CSV_CREATE_ERROR, m_strPath);
        return FALSE;
    }
    CString folder = m_strPath;
    int slash = folder.ReverseFind('\\');
    if (folder.ReverseFind('/') > slash)
        slash = folder.ReverseFind('/');
    folder = slash >= 0 ? folder.Left(slash + 1) : CString(".");
    char tempPath[MAX_PATH + 1];
    if (!::GetTempFileNameA(folder, "IRP", 0, tempPath))
    {
        ShowFileError(IDS_CSV_CREATE_ERROR, m_strPath);
        return FALSE;
    }
    CCSVFile csv(1, ';', '.', '_');
    if (!csv.Open(tempPath, TRUE))
    {
        ::DeleteFileA(tempPath);
        return FALSE;
    }
    try
    {
        for (POSITION pos = m_sets.GetHeadPosition(); pos != NULL;)
        {
            CIRProfilSet* pSet = m_sets.GetNext(pos);
            for (int n = 1; n < CIRProfilSet::FieldCount; n++)
                csv << pSet->GetFieldText(n);
            csv << pSet->GetField16Text();
            csv << NULL;
        }
        csv.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        csv.Abort();
        ::DeleteFileA(tempPath);
        ShowFileError(IDS_CSV_CREATE_ERROR, m_strPath);
        return FALSE;
    }
    if (!::MoveFileExA(tempPath, m_strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        ::DeleteFileA(tempPath);
        ShowFileError(IDS_CSV_CREATE_ERROR, m_strPath);
        return FALSE;
    }
    return TRUE;
}

BOOL CIRProfilRecord::GetColumnInfo(int n, CString& title, int& field, int& width, COLORREF& colour,
                                    BOOL& checkBox)
{
    const CIRProfilSet::SFieldInfo* info = CIRProfilSet::GetFieldInfo(n);
    if (info == NULL)
        return FALSE;
    title.LoadString(info->nTitleId);
    field = n;
    width = info->nWidth;
    colour = info->colour;
    checkBox = info->bCheckBox;
    return TRUE;
}

CString CIRProfilRecord::GetCellText(int id, int n)
{
    if (id == 0)
        return n >= 1 && n <= CIRProfilSet::FieldCount ? m_strHeader[n] : CString();
    CIRProfilSet* pSet = FindSet(id);
    return pSet != NULL ? pSet->GetFieldText(n) : CString();
}

BOOL CIRProfilRecord::SetCellText(int id, int n, LPCSTR text)
{
    if (id == 0)
    {
        if (n >= 1 && n <= CIRProfilSet::FieldCount)
            m_strHeader[n] = text;
        return TRUE;
    }
    BOOL written = TRUE;
    for (POSITION pos = m_sets.GetHeadPosition(); pos != NULL;)
    {
        CIRProfilSet* pSet = m_sets.GetNext(pos);
        if (pSet->GetId() == id)
        {
            pSet->SetFieldText(n, text);
            written = WriteProfileCsv() && written;
        }
    }
    return written;
}

CIRProfilSet* CIRProfilRecord::AddSet(const CIRProfilSet* pLimits)
{
    CIRProfilSet* pSet = NULL;
    try
    {
        pSet = pLimits != NULL ? new CIRProfilSet(m_nIdCounter + 1, *pLimits)
                               : new CIRProfilSet(m_nIdCounter + 1, CApplicationValues::GetProjektConfig());
        m_sets.AddTail(pSet);
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        delete pSet;
        return NULL;
    }
    m_nIdCounter++;
    return pSet;
}

BOOL CIRProfilRecord::DeleteSet(int id)
{
    for (POSITION pos = m_sets.GetHeadPosition(); pos != NULL;)
    {
        POSITION current = pos;
        CIRProfilSet* pSet = m_sets.GetNext(pos);
        if (pSet->GetId() != id)
            continue;
        m_sets.RemoveAt(current);
        delete pSet;
        m_nIdCounter = 0;
        for (POSITION renumber = m_sets.GetHeadPosition(); renumber != NULL;)
            m_sets.GetNext(renumber)->SetId(++m_nIdCounter);
        return WriteProfileCsv();
    }
    return TRUE;
}

CIRProfilSet* CIRProfilRecord::FindSet(int id)
{
    for (POSITION pos = m_sets.GetHeadPosition(); pos != NULL;)
    {
        CIRProfilSet* pSet = m_sets.GetNext(pos);
        if (pSet->GetId() == id)
            return pSet;
    }
    return NULL;
}

BOOL CIRProfilRecord::PasteSet(const CIRProfilSet& set)
{
    if (m_sets.IsEmpty())
        return FALSE;
    m_sets.GetTail()->CopyFieldsFrom(set);
    return WriteProfileCsv();
}
