// Answers the serial-number prompt while its modal loop runs, and keeps what the prompt showed.
// A refused entry leaves the prompt open: it is then cancelled.
#pragma once
#include "AppIds.h"
#include "DialogAnswer.h"

struct SerialNumberPromptAnswer : DialogAnswer
{
    const char* typed = NULL; // typed and confirmed; NULL: cancelled
    std::string caption;
    std::string shown;
    bool bOwnerDrawnButtons = false;

    void Arm()
    {
        nControl = IDC_SERIAL_NUMBER;
        if (typed != NULL)
            attempts = {{{{IDC_SERIAL_NUMBER, typed}}, IDOK}};
        else
            attempts = {{{}, IDCANCEL}};
        inspect = [this](HWND hDlg) {
            caption = WindowText(hDlg);
            shown = WindowText(::GetDlgItem(hDlg, IDC_SERIAL_NUMBER));
            bOwnerDrawnButtons = IsOwnerDrawn(hDlg, IDOK) && IsOwnerDrawn(hDlg, IDCANCEL);
        };
        DialogAnswer::Arm();
    }
    ~SerialNumberPromptAnswer() override
    {
    }
};
