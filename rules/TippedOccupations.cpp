#include "rules/TippedOccupations.h"

#include <algorithm>
#include <cctype>

namespace {

// Treasury Decision 10044, 91 FR 19026 (13 April 2026), 26 CFR 1.224-1,
// Table 1 to paragraph (h): the final list of 71 occupations (the September
// 2025 preliminary list had 68; 509, 510 and 810 are new). Codes as two
// transcriptions of the final table agree; titles from the final table.
// clang-format off
const std::vector<TippedOccupation> k2026 = {
    {"101", "Bartenders", "Beverage and Food Service"},
    {"102", "Wait Staff", "Beverage and Food Service"},
    {"103", "Food or Beverage Servers, Non-restaurant", "Beverage and Food Service"},
    {"104", "Dining Room and Cafeteria Attendants and Bartender Helpers", "Beverage and Food Service"},
    {"105", "Chefs and Cooks", "Beverage and Food Service"},
    {"106", "Food Preparation Workers", "Beverage and Food Service"},
    {"107", "Fast Food and Counter Workers", "Beverage and Food Service"},
    {"108", "Dishwashers", "Beverage and Food Service"},
    {"109", "Host Staff, Restaurant, Lounge, and Coffee Shop", "Beverage and Food Service"},
    {"110", "Bakers", "Beverage and Food Service"},
    {"201", "Gambling Dealers", "Entertainment and Events"},
    {"202", "Gambling Change Persons and Booth Cashiers", "Entertainment and Events"},
    {"203", "Gambling Cage Workers", "Entertainment and Events"},
    {"204", "Gambling and Sports Book Writers and Runners", "Entertainment and Events"},
    {"205", "Dancers", "Entertainment and Events"},
    {"206", "Musicians and Singers", "Entertainment and Events"},
    {"207", "Disc Jockeys, Except Radio", "Entertainment and Events"},
    {"208", "Entertainers and Performers", "Entertainment and Events"},
    {"209", "Digital Content Creators", "Entertainment and Events"},
    {"210", "Ushers, Lobby Attendants, and Ticket Takers", "Entertainment and Events"},
    {"211", "Locker Room, Coatroom, and Dressing Room Attendants", "Entertainment and Events"},
    {"301", "Baggage Porters and Bellhops", "Hospitality and Guest Services"},
    {"302", "Concierges", "Hospitality and Guest Services"},
    {"303", "Hotel, Motel, and Resort Desk Clerks", "Hospitality and Guest Services"},
    {"304", "Maids and Housekeeping Cleaners", "Hospitality and Guest Services"},
    {"401", "Home Maintenance and Repair Workers", "Home Services"},
    {"402", "Home Landscaping and Groundskeeping Workers", "Home Services"},
    {"403", "Home Electricians", "Home Services"},
    {"404", "Home Plumbers", "Home Services"},
    {"405", "Home Heating and Air Conditioning Mechanics and Installers", "Home Services"},
    {"406", "Home Appliance Installers and Repairers", "Home Services"},
    {"407", "Home Cleaning Service Workers", "Home Services"},
    {"408", "Locksmiths", "Home Services"},
    {"409", "Roadside Assistance Workers", "Home Services"},
    {"501", "Personal Care and Service Workers", "Personal Services"},
    {"502", "Private Event Planners", "Personal Services"},
    {"503", "Private Event and Portrait Photographers", "Personal Services"},
    {"504", "Private Event Videographers", "Personal Services"},
    {"505", "Event Officiants", "Personal Services"},
    {"506", "Pet and Show Animal Caretakers", "Personal Services"},
    {"507", "Tutors", "Personal Services"},
    {"508", "Nannies and Babysitters", "Personal Services"},
    {"509", "Visual Artists", "Personal Services"},
    {"510", "Floral Designers", "Personal Services"},
    {"601", "Skincare Specialists", "Personal Appearance and Wellness"},
    {"602", "Massage Therapists", "Personal Appearance and Wellness"},
    {"603", "Barbers, Hairdressers, Hairstylists, and Cosmetologists", "Personal Appearance and Wellness"},
    {"604", "Shampooers", "Personal Appearance and Wellness"},
    {"605", "Manicurists and Pedicurists", "Personal Appearance and Wellness"},
    {"606", "Eyebrow and Eyelash Technicians", "Personal Appearance and Wellness"},
    {"607", "Makeup Artists", "Personal Appearance and Wellness"},
    {"608", "Exercise Trainers and Group Fitness Instructors", "Personal Appearance and Wellness"},
    {"609", "Tattoo Artists and Piercers", "Personal Appearance and Wellness"},
    {"610", "Tailors", "Personal Appearance and Wellness"},
    {"611", "Shoe and Leather Workers and Repairers", "Personal Appearance and Wellness"},
    {"701", "Golf Caddies", "Recreation and Instruction"},
    {"702", "Self-Enrichment Teachers", "Recreation and Instruction"},
    {"703", "Recreational and Tour Pilots", "Recreation and Instruction"},
    {"704", "Tour Guides", "Recreation and Instruction"},
    {"705", "Travel Guides", "Recreation and Instruction"},
    {"706", "Sports and Recreation Instructors", "Recreation and Instruction"},
    {"801", "Parking and Valet Attendants", "Transportation and Delivery"},
    {"802", "Taxi and Rideshare Drivers and Chauffeurs", "Transportation and Delivery"},
    {"803", "Shuttle Drivers", "Transportation and Delivery"},
    {"804", "Goods Delivery People", "Transportation and Delivery"},
    {"805", "Personal Vehicle and Equipment Cleaners", "Transportation and Delivery"},
    {"806", "Private and Charter Bus Drivers", "Transportation and Delivery"},
    {"807", "Water Taxi Operators and Charter Boat Workers", "Transportation and Delivery"},
    {"808", "Rickshaw, Pedicab, and Carriage Drivers", "Transportation and Delivery"},
    {"809", "Home Movers", "Transportation and Delivery"},
    {"810", "Gas Pump Attendant", "Transportation and Delivery"},
};
// clang-format on

const std::vector<TippedOccupation> kNone;

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

const std::vector<TippedOccupation>& TippedOccupationsOfYear(std::int32_t taxYear) {
  if (taxYear > 0 && taxYear < kFirstTipCodeYear) return kNone;
  return k2026;
}

const TippedOccupation* FindTippedOccupation(std::string_view code, std::int32_t taxYear) {
  const std::vector<TippedOccupation>& table = TippedOccupationsOfYear(taxYear);
  const auto found = std::find_if(table.begin(), table.end(),
                                  [code](const TippedOccupation& o) { return o.code == code; });
  return found == table.end() ? nullptr : &*found;
}

std::vector<std::string> TipCodeLinesOfYear(std::int32_t taxYear) {
  std::vector<std::string> lines;
  const std::vector<TippedOccupation>& table = TippedOccupationsOfYear(taxYear);
  if (table.empty()) return lines;
  lines.push_back(std::string(kNotListedOccupation) + " Occupation not on the list");
  for (const TippedOccupation& o : table)
    lines.push_back(std::string(o.code) + " " + std::string(o.title));
  return lines;
}

std::string TipCodeOfEntry(std::string_view entry, std::int32_t taxYear) {
  const std::string_view text = Trim(entry);
  if (text.size() >= 3 && IsDigits(text.substr(0, 3)) && (text.size() == 3 || text[3] == ' '))
    return std::string(text.substr(0, 3));
  if (text.empty() || IsDigits(text)) return std::string(text);
  const std::string wanted = Lower(text);
  // The one title that is the text, else the one that begins with it, else
  // the one that holds it.
  for (const auto where : {0, 1, 2}) {
    const TippedOccupation* match = nullptr;
    int count = 0;
    for (const TippedOccupation& o : TippedOccupationsOfYear(taxYear)) {
      const std::string title = Lower(o.title);
      const std::size_t at = title.find(wanted);
      const bool hit = where == 0   ? title == wanted
                       : where == 1 ? at == 0
                                    : at != std::string::npos;
      if (hit) match = &o, ++count;
    }
    if (count == 1) return std::string(match->code);
    if (count > 1) break;  // more than one: the user must choose
  }
  return std::string(text);
}
