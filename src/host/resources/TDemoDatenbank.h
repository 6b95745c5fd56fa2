#pragma once
// The embedded demo installation: a realistic product database made through
// the program's own record files, so that every configurator has something to
// show on a first start.

#include "host/db/TZEV_DB_Config.h"

namespace TDemoDatenbank {
// Creates the demo data in the open database (in one posting). Does nothing
// when the database holds computers already.
void Fuelle();
// Program parameters of the demo computers and their installed program versions (inside Fuelle's posting).
void FuelleParameter();
// The code tables and the tables that reference their codes (inside Fuelle's posting).
void FuelleCodes();
// Countries, currencies, VAT, exchange rates, business partners and company groups (inside Fuelle's posting).
void FuelleWaehrung();
// Goods-group systems, price-reduction reasons and their accounts, seasons without year and
// article prices, group formation with the payroll records, reasons and tasks (inside Fuelle's posting).
void FuelleGruppen();
// True when the open database holds no computers (a new installation).
bool Leer();
// With no database ini: opens the demo database, creating it on first use.
TZEV_DB_Config Konfiguration();
}  // namespace TDemoDatenbank
