// A message sink that answers every box with OK and keeps its text, for tests that count
// boxes afterwards instead of expecting them one by one.
#pragma once
#include "MessageSink.h"
#include <string>
#include <vector>

// Records every box and answers OK: the tests count the boxes afterwards.
class CBoxCounter : public CMessageSink
{
  public:
    CBoxCounter() : m_pPrevious(AfxSetMessageSink(this))
    {
    }
    ~CBoxCounter() override
    {
        AfxSetMessageSink(m_pPrevious);
    }
    int Show(HWND, LPCSTR lpszText, LPCSTR lpszCaption, UINT, UINT) override
    {
        m_texts.push_back(lpszText);
        m_captions.push_back(lpszCaption != NULL ? lpszCaption : "");
        return IDOK;
    }
    int Count(const std::string& part) const
    {
        int n = 0;
        for (const std::string& text : m_texts)
            n += text.find(part) != std::string::npos;
        return n;
    }
    std::vector<std::string> m_texts;
    std::vector<std::string> m_captions;

  private:
    CMessageSink* m_pPrevious;
};
