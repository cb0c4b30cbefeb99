// The view hosts for the cases both hosts share. A view deletes itself when its window goes;
// these stay with the fixture that holds them.
#pragma once
#include "uilib/treelist/ListView.h"
#include "uilib/treelist/TreeView.h"

class CHostedListView : public SECListView
{
  public:
    void PostNcDestroy() override
    {
    }
};

class CHostedTreeView : public SECTreeView
{
  public:
    void PostNcDestroy() override
    {
    }
};
