// AboutBox.h -- the small framed box naming the program, its rights and its notice.
//
// It has no buttons: the painted close box or ESC ends it.
#pragma once

#include "ui/controls/FramedDialog.h"

class CAboutBox : public CFramedDialog
{
public:
    explicit CAboutBox(wxWindow* parent);
};

// The frame pieces every framed dialog of the program paints.
DialogFrameBitmaps LoadDialogFrameBitmaps();
