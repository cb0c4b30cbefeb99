// CObject, the root of the framework's classes, and CRuntimeClass, the record each dynamic class
// keeps about itself (name, size, schema, factory, base class) so that archives can store and
// re-create objects by class name.
//
// Differences from MFC:
// - Every class with IMPLEMENT_DYNAMIC/DYNCREATE/SERIAL is registered for FromName, not only
//   serial ones; the list is built during static initialisation and only read afterwards.
// - The run-time class records are not const (registration links them into the list).
// - Dump and CDumpContext are left out; AssertValid only checks the object pointer.
// - The copy operations of CObject are deleted rather than private.
#pragma once
#include "AfxCore.h"

class CObject;
class CArchive;

// Set in a class's schema to let the archive load objects of older schemas; the class then asks
// the archive for the stored schema (CArchive::GetObjectSchema) in Serialize.
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass
{
    // Attributes
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                        // 0xFFFF for classes that cannot be serialised
    CObject*(PASCAL* m_pfnCreateObject)(); // NULL for abstract or DYNAMIC-only classes
    CRuntimeClass* m_pBaseClass;

    // Operations
    // A new object of this class, or NULL when the class has no factory or memory runs out.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // The registered class of that name, or NULL.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);

    // Implementation
    // Class record of an archive: WORD schema, WORD name length, the name's characters.
    void Store(CArchive& ar) const;
    // Reads a class record; NULL when the name is too long or no class of that name exists.
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);

    CRuntimeClass* m_pNextClass; // registered classes, newest first
};

// Links a class into the list FromName searches.
void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);

struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass)
    {
        AfxClassInit(pNewClass);
    }
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

class CObject
{
  public:
    // Construction
    virtual ~CObject();
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    // Operations
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    // Overridables
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;

    // Implementation
    static CRuntimeClass classCObject;

  protected:
    CObject() = default;
};

// The run-time class record and its accessor.
#define DECLARE_DYNAMIC(class_name)                                                                          \
  public:                                                                                                    \
    static CRuntimeClass class##class_name;                                                                  \
    CRuntimeClass* GetRuntimeClass() const override;

// ... plus a factory, so the class can be created by name.
#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

// ... plus reading a pointer of this class from an archive.
#define DECLARE_SERIAL(class_name)                                                                           \
    DECLARE_DYNCREATE(class_name)                                                                            \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                 \
    CRuntimeClass class_name::class##class_name = {                                                          \
        #class_name, (int)sizeof(class class_name),  (UINT)(wSchema),                                        \
        pfnNew,      RUNTIME_CLASS(base_class_name), NULL};                                                  \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                       \
    {                                                                                                        \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                               \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)                   \
    CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb)                                              \
    {                                                                                                        \
        pOb = static_cast<class_name*>(AfxReadObjectFromArchive(ar, RUNTIME_CLASS(class_name)));             \
        return ar;                                                                                           \
    }

// CArchive::ReadObject for IMPLEMENT_SERIAL, usable where only this header is included.
CObject* AFXAPI AfxReadObjectFromArchive(CArchive& ar, const CRuntimeClass* pClass);

// The object as a pointer of class_name when it is one (IsKindOf), else NULL; NULL stays NULL.
CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object)                                                                 \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
