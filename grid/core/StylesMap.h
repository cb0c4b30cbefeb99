// The named base styles of a grid ("Standard", the header styles and the application's own),
// with the registered user attributes and control names. Base-style ids are 8 bits, so at
// most 256 styles can be registered.
#pragma once
#include "grid/core/Style.h"
#include <map>
#include <string>

class CGXStylesMap : public CObject
{
    DECLARE_SERIAL(CGXStylesMap)

  public:
    // A registered user attribute: its name and a style holding its default settings.
    struct UserAttrInfo
    {
        WORD nID;
        CString sName;
        CGXStyle* pStyle; // owned
    };

    // Construction
    explicit CGXStylesMap(CRuntimeClass* pStyleClass = NULL);
    CGXStylesMap(const CGXStylesMap& src);
    ~CGXStylesMap() override;
    CGXStylesMap& operator=(const CGXStylesMap& src);

    // Operations
    void CreateStandardStyles();
    // Registers (or replaces the style of) a named base style; returns its id. Throws
    // CNotSupportedException, registering nothing, when no 8-bit id is left.
    WORD RegisterStyle(LPCTSTR pszName, const CGXStyle& style, BOOL bSystemStyle = FALSE);
    WORD RegisterStyle(UINT nResourceID, const CGXStyle& style, BOOL bSystemStyle = FALSE);
    WORD GetBaseStyleId(LPCTSTR pszName) const;
    WORD GetBaseStyleIdFromResource(UINT nResourceID) const;
    BOOL GetStyleName(WORD nID, CString& strName, UINT& nResourceID) const;
    // The id of the base style registered under a string resource (nResourceID not 0) or a
    // name; FALSE when there is none (the lookups above answer 0, the standard style's id).
    BOOL FindBaseStyle(UINT nResourceID, LPCTSTR pszName, WORD& nID) const;
    BOOL LookupStyle(WORD nID, const CGXStyle*& pStyle) const;
    BOOL LookupStyle(WORD nID, CGXStyle*& pStyle);
    BOOL IsSystemStyle(WORD nID) const;
    INT_PTR GetCount() const
    {
        return (INT_PTR)m_styles.size();
    }
    // Iteration in name order.
    POSITION GetStartPosition() const;
    void GetNextStyle(POSITION& pos, WORD& nID, CString& strName, UINT& nResourceID,
                      const CGXStyle*& pStyle) const;

    // Registers a user attribute once, named by the string resource of its id.
    const UserAttrInfo* AddUserAttribute(WORD nID, const CGXStyle* pStyle = NULL);
    const std::map<WORD, UserAttrInfo*>& GetUserAttributeMap() const
    {
        return m_userAttributes;
    }
    // Loads the display name of a control id once.
    void AddControlName(WORD nID);
    const std::map<WORD, CString>& GetControlNameMap() const
    {
        return m_controlNames;
    }
    void RemoveAll();

    CRuntimeClass* GetStyleClass() const
    {
        return m_pStyleClass;
    }
    CGXStyle* CreateStyle() const;

    // Overridables
    void Serialize(CArchive& ar) override;
    virtual void WriteProfile() const;
    virtual BOOL ReadProfile();

    // Implementation
    WORD m_wStyleStandard = 0;
    WORD m_wStyleColHeader = 0;
    WORD m_wStyleRowHeader = 0;
    CString m_sSection;

    enum
    {
        maxStyleId = 255
    };

  private:
    // The archive, profile and copy components rebuild a map entry by entry.
    friend class CGXGridDocSerializeImp;
    friend class CGXGridProfileImp;
    friend class CGXGridParamCopyOperatorImp;

    struct StyleEntry
    {
        WORD nID;
        UINT nResourceID;
        CString sName;
        CGXStyle* pStyle; // owned
        BOOL bSystem;
    };
    WORD Register(LPCTSTR pszName, UINT nResourceID, const CGXStyle& style, BOOL bSystemStyle, BOOL bKnownId,
                  WORD nKnownId);

    CRuntimeClass* m_pStyleClass;
    std::map<WORD, StyleEntry*> m_styles;
    std::map<WORD, CObject*> m_otherObjects;
    std::map<UINT, WORD> m_resourceIds;
    std::map<std::string, WORD> m_names;
    UINT m_nNextId = 0;
    std::map<WORD, CString> m_controlNames;
    std::map<WORD, UserAttrInfo*> m_userAttributes;
};
