// Fills ClockLocale from the system's locale data for a date.
#pragma once
#include <windows.h>

#include "clock/ClockLocale.h"
#include "clock/LeadByteTable.h"

namespace vantora {

// Lead bytes of a code page (0: the system's ANSI code page).
void FillLeadByteTable(UINT codePage, LeadByteTable& table);

// The clock's locale: the `Locale` value of the clock's key, else the user's
// default language.
LCID ClockLocaleId();

// Refreshes every field of `locale` for `date` with the clock's locale.
void LoadClockLocale(const SYSTEMTIME& date, ClockLocale& locale);
// The same with a given locale; `AMsymbol` and `PMsymbol` still come from the
// clock's key.
void LoadClockLocaleFor(LCID lcid, const SYSTEMTIME& date, ClockLocale& locale);

} // namespace vantora
