// The docking listeners live in their header as templates; this unit instantiates the one the
// docking feature and the floating frames use, so its errors show when the library is built.
#include "uilib/frames/dockengine/DockingListener.h"

template class SECDockingListener_T<SECLocalDragDropTask_T<SECLayoutWndListener>>;
template class SECDockingListener_T<SECOleDragDropTask_T<SECLayoutWndListener>>;
