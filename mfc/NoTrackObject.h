// CNoTrackObject: base of process- and thread-wide state objects.
//
// Differences from MFC:
// - A plain base with a virtual destructor; there is no debug-heap tracking to bypass, so no
//   operator new or delete of its own.
#pragma once

class CNoTrackObject
{
  public:
    CNoTrackObject() = default;
    virtual ~CNoTrackObject() = default;
    CNoTrackObject(const CNoTrackObject&) = delete;
    CNoTrackObject& operator=(const CNoTrackObject&) = delete;
};
