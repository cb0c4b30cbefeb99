// Puts a library-wide component into its slot of the library data for one scope and puts the
// one that was there back at its end (the library's own stays on its exit list meanwhile).
#pragma once

template <class T> class ComponentSlot
{
  public:
    ComponentSlot(T*& slot, T* p) : m_slot(slot), m_pOld(slot)
    {
        slot = p;
    }
    ~ComponentSlot()
    {
        m_slot = m_pOld;
    }
    ComponentSlot(const ComponentSlot&) = delete;
    ComponentSlot& operator=(const ComponentSlot&) = delete;

  private:
    T*& m_slot;
    T* m_pOld;
};
