#pragma once
// The start-up seeding of the rate table with the entries the program brings along.

class TQuillmarRegistry;

// Writes the entries of 1998 to 2002 (over any entries of those years)
// unless the table already holds a 2002 entry with a Social Security wage
// base; then adds the entry of each later preset year that the table does
// not hold, never over one it has.
void SeedPresetRates(TQuillmarRegistry& registry);
