// The COM face of the notes control: class JotboxC answering IJotboxC and
// IDispatch, and its class factory.
#pragma once
#include <windows.h>

namespace vantora::notes {

HRESULT GetJotboxClassObject(REFCLSID clsid, REFIID iid, void** object);
// Whether no control object and no lock keep the module loaded.
bool JotboxCanUnload();

} // namespace vantora::notes
