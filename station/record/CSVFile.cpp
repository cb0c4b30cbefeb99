// CSV reader and writer.
#include "station/record/CSVFile.h"
#include "StationIds.h"

CCSVFile::CCSVFile(int mode, char separator, char decimal, char replacement, LPCSTR extraSpecial)
    : m_separator(separator), m_replacement(replacement), m_bOpen(FALSE), m_bRecordStart(TRUE), m_bRaw(FALSE),
      m_nRecord(0), m_bEndOfFile(FALSE), m_bEndOfRecord(FALSE), m_nReadPos(0), m_nReadLength(0)
{
    UNUSED(mode);
    UNUSED(decimal);
    m_special = "\n\r";
    m_special += separator;
    if (extraSpecial != NULL)
        m_special += extraSpecial;
}

CCSVFile::~CCSVFile()
{
    Abort();
}

BOOL CCSVFile::Open(LPCSTR path, BOOL forWriting)
{
    Abort();
    UINT flags = forWriting ? CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive
                            : CFile::modeRead | CFile::shareDenyWrite;
    CFileException error;
    if (!m_file.Open(path, flags, &error))
    {
        CString text;
        AfxFormatString1(text, forWriting ? IDS_CSV_CREATE_ERROR : IDS_CSV_OPEN_ERROR, path);
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_bOpen = TRUE;
    m_bRecordStart = TRUE;
    m_nRecord = 1;
    m_bEndOfFile = FALSE;
    m_bEndOfRecord = FALSE;
    m_nReadPos = m_nReadLength = 0;
    return TRUE;
}

void CCSVFile::Close()
{
    if (!m_bOpen)
        return;
    m_bOpen = FALSE;
    m_file.Close();
}

void CCSVFile::Abort()
{
    if (!m_bOpen)
        return;
    m_bOpen = FALSE;
    m_file.Abort();
}

CCSVFile& CCSVFile::operator<<(const char* field)
{
    if (field == NULL)
    {
        m_file.Write("\r\n", 2);
        m_bRecordStart = TRUE;
        m_bRaw = FALSE;
        m_nRecord++;
        return *this;
    }
    if (!m_bRecordStart)
        m_file.Write(&m_separator, 1);
    CString text(field);
    if (!m_bRaw)
    {
        for (int i = 0; i < m_search.GetSize(); i++)
            text.Replace(m_search[i], m_replace[i]);
        // No quoting in this format: what would break a field or a record is replaced.
        for (int i = 0; i < m_special.GetLength(); i++)
            text.Replace(m_special[i], m_replacement);
    }
    if (!text.IsEmpty())
        m_file.Write((LPCSTR)text, UINT(text.GetLength()));
    m_bRecordStart = FALSE;
    return *this;
}

int CCSVFile::PeekByte()
{
    if (m_nReadPos >= m_nReadLength)
    {
        if (!m_bOpen)
            return -1;
        m_nReadLength = m_file.Read(m_readBuffer, sizeof(m_readBuffer));
        m_nReadPos = 0;
        if (m_nReadLength == 0)
            return -1;
    }
    return m_readBuffer[m_nReadPos];
}

int CCSVFile::ReadByte()
{
    int c = PeekByte();
    if (c >= 0)
        m_nReadPos++;
    return c;
}

CCSVFile& CCSVFile::operator>>(CString& field)
{
    field.Empty();
    m_bEndOfRecord = FALSE;
    if (m_bEndOfFile)
        return *this;
    for (;;)
    {
        int c = ReadByte();
        if (c < 0)
        {
            m_bEndOfFile = TRUE;
            m_bEndOfRecord = TRUE;
            break;
        }
        if (c == m_separator)
            break;
        if (c == '\r' || c == '\n')
        {
            if (c == '\r' && PeekByte() == '\n')
                ReadByte();
            m_bEndOfRecord = TRUE;
            m_nRecord++;
            break;
        }
        field += char(c);
    }
    return *this;
}

BOOL CCSVFile::ReadRecord(CStringArray& fields)
{
    fields.RemoveAll();
    for (;;)
    {
        if (m_bEndOfFile || PeekByte() < 0)
        {
            m_bEndOfFile = TRUE;
            return FALSE;
        }
        do
        {
            CString field;
            *this >> field;
            // Grow by the size already reached: a record of n fields costs n, not n squared.
            int nSize = (int)fields.GetSize();
            if (nSize >= 8 && (nSize & (nSize - 1)) == 0)
                fields.SetSize(nSize, nSize);
            fields.Add(field);
        } while (!m_bEndOfRecord);
        if (fields.GetSize() == 1 && fields[0].IsEmpty())
        {
            fields.RemoveAll(); // an empty line
            continue;
        }
        return TRUE;
    }
}
