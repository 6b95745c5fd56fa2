#pragma once
// The posting protocol of the table windows: the host's input checks, then
// BuchenTesten, then (only when it agreed) Buchen inside one posting, so that
// a change written as delete plus insert commits as one.

#include "TAllgTabDefinition.h"

namespace TAllgTabProtokoll {
// The host's checks of a new or changed line: first refusal text, or empty.
// leerPruefen: also refuse empty required fields (after BuchenTesten agreed).
// A change checks only the fields it changes: stored values stay acceptable.
QString PruefeZeile(const TAllgTabDefinition& def, const QStringList& alt, const QStringList& neu, bool leerPruefen);
// Runs the whole protocol for one confirmed change; true when it was written.
// Refusals are shown to the user; failures reported and rolled back.
bool Ausfuehren(TAllgTabDefinition& def, const QString& code, const QStringList& alt, const QStringList& neu);
}  // namespace TAllgTabProtokoll
