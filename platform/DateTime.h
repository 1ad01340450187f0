#pragma once
// A point in time as the records hold it: local time as days since
// 1899-12-30, the time of day as the fraction.

using DateTime = double;
