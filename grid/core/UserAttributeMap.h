// The user attributes of one style, owned and kept sorted by id.
#pragma once
#include "grid/core/AbstractUserAttribute.h"
#include "grid/core/GridTypes.h"

class CGXUserAttributeMap : public CObArray
{
    DECLARE_SERIAL(CGXUserAttributeMap)

  public:
    // Construction
    CGXUserAttributeMap() = default;
    ~CGXUserAttributeMap() override;
    CGXUserAttributeMap& operator=(const CGXUserAttributeMap& src);

    // Operations
    CGXAbstractUserAttribute* GetAttributeAt(INT_PTR i) const
    {
        return (CGXAbstractUserAttribute*)GetAt(i);
    }
    BOOL IsEmpty() const
    {
        return GetSize() == 0;
    }
    CGXAbstractUserAttribute* Lookup(WORD nId) const;
    // Takes ownership; replaces (and deletes) an attribute with the same id.
    void SetAttribute(WORD nId, CGXAbstractUserAttribute* pAttribute);
    void SetAttributeCopy(WORD nId, const CGXAbstractUserAttribute& attribute);
    void RemoveAttribute(WORD nId);
    void RemoveAll();
    void Sort();
    // Merges another map by a style merge mode, attribute by attribute.
    void MergeMap(const CGXUserAttributeMap& source, GXModifyType mt);

    // Overridables
    // WORD count, then per attribute the archived object and its WORD id.
    void Serialize(CArchive& ar) override;
    // One profile key "UA<id>" per attribute, holding its text.
    virtual void WriteProfile(LPCTSTR pszSection) const;

  private:
    CGXUserAttributeMap(const CGXUserAttributeMap&) = delete;
    INT_PTR Find(WORD nId) const;
};
