// The profile table: every profile set of the profile file ("IRProfil.csv" by default), loaded
// when the table is made and written back after every change. The application's profile grid
// shows it; the table owns its sets.
#pragma once
#include "afx.h"
#include "afxtempl.h"
#include "station/record/IRProfilSet.h"

class CProjektConfig;

class CIRProfilRecord
{
    // Construction
  public:
    // Reads the file name and loads the file; a missing file is created empty.
    CIRProfilRecord();
    ~CIRProfilRecord();
    CIRProfilRecord(const CIRProfilRecord&) = delete;
    CIRProfilRecord& operator=(const CIRProfilRecord&) = delete;

    // Operations
  public:
    // Replaces the sets by the file's. A file that exists but cannot be opened or read is
    // reported, and the table then refuses to write over it until a load succeeds.
    BOOL ReadProfileCsv();
    // Writes every set to a temporary file next to the table, which then replaces the file.
    BOOL WriteProfileCsv();
    const CString& GetPath() const
    {
        return m_strPath;
    }

    int GetColumnCount() const
    {
        return m_nColumnCount;
    }
    static BOOL GetColumnInfo(int n, CString& title, int& field, int& width, COLORREF& colour,
                              BOOL& checkBox);
    // id 0 addresses the header row.
    CString GetCellText(int id, int n);
    BOOL SetCellText(int id, int n, LPCSTR text);

    // A new set with the registry's limits, or with those of pLimits when given.
    CIRProfilSet* AddSet(const CIRProfilSet* pLimits = NULL);
    BOOL AddRow()
    {
        return AddSet() != NULL;
    }
    // Removes the set, numbers the others 1, 2, 3, ... and writes the file.
    BOOL DeleteSet(int id);
    CIRProfilSet* FindSet(int id);
    // Copies the set's fields into the last set of the table and writes the file.
    BOOL PasteSet(const CIRProfilSet& set);
    int GetSetCount() const
    {
        return int(m_sets.GetCount());
    }

    // Implementation
  private:
    void RemoveAllSets();

    CTypedPtrList<CObList, CIRProfilSet*> m_sets;
    CString m_strPath;
    int m_nIdCounter;
    int m_nColumnCount;
    CString m_strHeader[CIRProfilSet::FieldCount + 1]; // by column number, 1 to 16
    BOOL m_bMayWrite;                                  // FALSE while an existing file could not be loaded
};
