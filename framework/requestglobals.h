// The process-wide request/response protocol between a caller and the window
// procedure it calls.
//
// A caller stores a request code (RequestInsert .. RequestSelect, level.h) in
// GlobalRequest, calls the procedure and reads GlobalResponse
// (ResponseCompleted / ResponseCancelled) when it returns. The called
// procedure's set-up copies GlobalRequest into its WindowManager::Request and
// resets both variables to 0. VCRRequest holds a frame-toolbar navigation
// button (2000, 2004 .. 2009) that a form pressed before it saved and closed:
// the calling list serves it (moves by that step, or starts a new insert) and
// calls the form again. 0 = none pending.
//
// These are plain process-wide variables: every procedure thread runs on the
// GUI thread, and a called procedure reads them before it first yields.
#pragma once

#include <cstdint>

namespace vorda {

extern uint8_t GlobalRequest;
extern uint8_t GlobalResponse;
extern int32_t VCRRequest;

}  // namespace vorda
