// A user attribute holding a VARIANT (a picture's bytes handed over by a record grid). Its
// COleVariant comes from a process-wide pool and goes back to it with the attribute.
#pragma once
#include "grid/core/AbstractUserAttribute.h"
#include "grid/core/CaptiveManager.h"
#include "OleVariant.h"

class CGXOleVarUserAttribute : public CGXAbstractUserAttribute
{
    DECLARE_SERIAL(CGXOleVarUserAttribute)

  public:
    CGXOleVarUserAttribute() = default;
    ~CGXOleVarUserAttribute() override;

    void Serialize(CArchive& ar) override;
    // No text form: always the empty text.
    const CString& GetValueText() const override;
    CGXAbstractUserAttribute* Clone() const override;
    BOOL IsEmptyValue() const override;
    // Same id and the very same VARIANT object.
    virtual BOOL IsSameValue(const CGXAbstractUserAttribute& other) const;

    // Copies the source (arrays and strings included).
    void SetValue(const VARIANT& var);
    const VARIANT* GetVariant() const
    {
        return m_pVariant;
    }

    // The pool every attribute of this class takes its COleVariant from.
    static CGXCaptiveManager<COleVariant>& GetVariantPool();

    // Set by the OLE preview cell on a value its viewer produced, so that the grid storing the
    // style can tell an edited object from one it handed over itself.
    BOOL m_bFromViewer = FALSE;

  private:
    COleVariant* m_pVariant = NULL;
};
