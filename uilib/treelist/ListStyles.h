// Bits, codes and fixed numbers of the owner-drawn list (shared by list and tree, window- and
// view-hosted).
#pragma once
#include <windows.h>

namespace ListStyle
{
// List-control style (low word).
constexpr DWORD VIEW_MASK = 0x0003;
constexpr DWORD VIEW_ICON = 0x0000;
constexpr DWORD VIEW_REPORT = 0x0001;
constexpr DWORD SINGLE_SEL = 0x0004;
constexpr DWORD SHOW_SEL_ALWAYS = 0x0008;
constexpr DWORD SHARE_IMAGE_LISTS = 0x0040;
constexpr DWORD NO_LABEL_WRAP = 0x0080;
constexpr DWORD EDIT_LABELS = 0x0200;
constexpr DWORD NO_SCROLL = 0x2000;
constexpr DWORD NO_COLUMN_HEADER = 0x4000;
constexpr DWORD NO_SORT_HEADER = 0x8000;
constexpr DWORD FROM_WINDOW_STYLE = 0xF3FF;
// List-control extended style.
constexpr DWORD EX_HEADER_DRAG = 0x00000010;
constexpr DWORD EX_ITEM_TIPS = 0x00100000;
constexpr DWORD EX_HORZ_GRID = 0x00400000;
constexpr DWORD EX_VERT_GRID = 0x00800000;
constexpr DWORD EX_FULL_ROW_SELECT = 0x02000000;
constexpr DWORD EX_FIT_FIRST_COLUMN = 0x04000000;
constexpr DWORD EX_KEEP_DELETED_WIDTH = 0x08000000;
constexpr DWORD EX_SELECTION_BLEND = 0x10000000;
constexpr DWORD EX_FROM_WINDOW_STYLE = 0x1FF00000;
} // namespace ListStyle

// Hit-test flags of the list.
namespace ListHit
{
constexpr UINT NOWHERE = 0x0001;
constexpr UINT ON_ICON = 0x0002;
constexpr UINT ON_LABEL = 0x0004;
constexpr UINT ON_STATE_ICON = 0x0008; // inside a row; above the client area outside
constexpr UINT ABOVE = 0x0008;
constexpr UINT BELOW = 0x0010;
constexpr UINT TO_RIGHT = 0x0020;
constexpr UINT TO_LEFT = 0x0040;
constexpr UINT ON_DIVIDER = 0x0800;
constexpr UINT ON_HEADER = 0x1000;
constexpr UINT IN_ROW = 0x2000;
constexpr UINT LEFT_OF_LABEL = 0x4000;
constexpr UINT RIGHT_OF_LABEL = 0x8000;
} // namespace ListHit

namespace ListTimer
{
constexpr UINT_PTR EDIT_DELAY = 1;
constexpr UINT_PTR AUTO_SCROLL = 2;
constexpr UINT_PTR TYPE_AHEAD = 3;
constexpr UINT EDIT_DELAY_MS = 500;
constexpr UINT TYPE_AHEAD_MS = 250;
} // namespace ListTimer

namespace ListMetrics
{
constexpr int HEADER_HEIGHT = 20;
constexpr int HSCROLL_LINE = 15;
constexpr int LABEL_INSET_LEFT = 6;
constexpr int LABEL_INSET_RIGHT = 5;
constexpr int TEXT_BUFFER = 2048;
constexpr int DIVIDER_SLOP = 4;
constexpr int MIN_COLUMN_DRAG = 10;
} // namespace ListMetrics

// Type-ahead flags.
namespace ListTypeAhead
{
constexpr UINT ACTIVE = 1;
constexpr UINT TYPED = 2;
constexpr UINT FAILED = 4;
} // namespace ListTypeAhead
