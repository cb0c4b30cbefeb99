// CObject and CRuntimeClass: the records the macros build, type queries, creation by name and
// class records in an archive.
#include "afx.h"
#include "TestSupport.h"
#include <memory>

class CObjAnimal : public CObject
{
    DECLARE_DYNAMIC(CObjAnimal)
};
IMPLEMENT_DYNAMIC(CObjAnimal, CObject)

class CObjDog : public CObjAnimal
{
    DECLARE_DYNCREATE(CObjDog)
  public:
    int m_nLegs = 4;
};
IMPLEMENT_DYNCREATE(CObjDog, CObjAnimal)

class CObjPuppy : public CObjDog
{
    DECLARE_SERIAL(CObjPuppy)
};
IMPLEMENT_SERIAL(CObjPuppy, CObjDog, VERSIONABLE_SCHEMA | 3)

TEST(RuntimeClass, MacrosFillTheRecord)
{
    struct Case
    {
        CRuntimeClass* pClass;
        const char* name;
        int size;
        UINT schema;
        bool creatable;
        CRuntimeClass* pBase;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CObject), "CObject", (int)sizeof(CObject), 0xFFFF, false, nullptr},
        {RUNTIME_CLASS(CObjAnimal), "CObjAnimal", (int)sizeof(CObjAnimal), 0xFFFF, false,
         RUNTIME_CLASS(CObject)},
        {RUNTIME_CLASS(CObjDog), "CObjDog", (int)sizeof(CObjDog), 0xFFFF, true, RUNTIME_CLASS(CObjAnimal)},
        {RUNTIME_CLASS(CObjPuppy), "CObjPuppy", (int)sizeof(CObjPuppy), VERSIONABLE_SCHEMA | 3, true,
         RUNTIME_CLASS(CObjDog)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.name, c.pClass->m_lpszClassName);
        EXPECT_EQ(c.size, c.pClass->m_nObjectSize);
        EXPECT_EQ(c.schema, c.pClass->m_wSchema);
        EXPECT_EQ(c.creatable, c.pClass->m_pfnCreateObject != nullptr);
        EXPECT_EQ(c.pBase, c.pClass->m_pBaseClass);
        EXPECT_EQ(c.pClass, CRuntimeClass::FromName(c.name));
    }
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CObjCat"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(nullptr));
}

TEST(RuntimeClass, KindOfFollowsTheBaseChain)
{
    CObjPuppy puppy;
    CObjDog dog;
    EXPECT_EQ(RUNTIME_CLASS(CObjPuppy), puppy.GetRuntimeClass());
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CObjAnimal)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CObjPuppy)));
    EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CObjPuppy)));
    EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_TRUE(RUNTIME_CLASS(CObjPuppy)->IsDerivedFrom(RUNTIME_CLASS(CObjDog)));
    EXPECT_FALSE(RUNTIME_CLASS(CObjDog)->IsDerivedFrom(RUNTIME_CLASS(CObjPuppy)));
    EXPECT_TRUE(puppy.IsSerializable());
    EXPECT_FALSE(dog.IsSerializable());
}

TEST(RuntimeClass, CreateObjectMakesTheNamedClassOrNothing)
{
    std::unique_ptr<CObject> dog(CRuntimeClass::FromName("CObjDog")->CreateObject());
    ASSERT_NE(nullptr, dog);
    EXPECT_EQ(RUNTIME_CLASS(CObjDog), dog->GetRuntimeClass());
    EXPECT_EQ(4, static_cast<CObjDog*>(dog.get())->m_nLegs);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObjAnimal)->CreateObject());
}

TEST(RuntimeClass, ClassRecordsAreSchemaNameLengthAndName)
{
    const BYTE expected[] = {0x03, 0x00, 0x09, 0x00, 'C', 'O', 'b', 'j', 'P', 'u', 'p', 'p', 'y'};
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        RUNTIME_CLASS(CObjPuppy)->Store(ar);
    }
    ASSERT_EQ(sizeof expected, file.GetLength());
    BYTE written[sizeof expected];
    file.SeekToBegin();
    file.Read(written, sizeof written);
    EXPECT_EQ(0, memcmp(expected, written, sizeof expected));

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    UINT nSchema = 0;
    EXPECT_EQ(RUNTIME_CLASS(CObjPuppy), CRuntimeClass::Load(ar, &nSchema));
    EXPECT_EQ(3u, nSchema);

    // An unknown name loads as NULL.
    const BYTE unknown[] = {0x01, 0x00, 0x06, 0x00, 'C', 'O', 'b', 'j', 'X', 'y'};
    CMemFile unknownFile(const_cast<BYTE*>(unknown), sizeof unknown);
    CArchive unknownAr(&unknownFile, CArchive::load);
    EXPECT_EQ(nullptr, CRuntimeClass::Load(unknownAr, &nSchema));
    EXPECT_EQ(1u, nSchema);
}
