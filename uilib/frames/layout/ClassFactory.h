// SECClassFactory: a stateless creator of one object returned as its base; SECClassFactory_T
// makes a given concrete class. Factories (layout, docking) create their nodes through these so
// that a derived factory can replace the class made.
#pragma once
#include <new>

namespace tessaron
{
namespace foundation
{

template <class Base> class SECClassFactory
{
  public:
    virtual ~SECClassFactory()
    {
    }
    // A new object, or NULL when it cannot be allocated.
    virtual Base* CreateObject() = 0;
};

template <class Class, class Base> class SECClassFactory_T : public SECClassFactory<Base>
{
  public:
    Base* CreateObject() override
    {
        return new (std::nothrow) Class;
    }
};

} // namespace foundation
} // namespace tessaron
