#pragma once
// The start-up seeding of the rate table with the entries the program brings along.

class TQuillmarRegistry;

// Writes the preset entries (over any entries of those years) unless the
// table already holds a 2002 entry with a Social Security wage base.
void SeedPresetRates(TQuillmarRegistry& registry);
