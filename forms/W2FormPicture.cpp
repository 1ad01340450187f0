#include "forms/W2FormPicture.h"

#include <cstddef>
#include <string>

#include "data/EntryRules.h"
#include "forms/W2Geometry.h"

// The layout follows the W-2 print positions: the text of an item starts at
// column c and line l of the grid, and on screen the item's field has its
// top-left corner there and is one line tall. Each box begins 0.6 line above
// the first line printed in it, which leaves room for its caption. The top
// row prints on line 1, where no room is left above: the captions of its
// boxes stand beside the fields, as titles.

namespace {

// Where the rows of boxes begin and end.
constexpr double kTop = 1;
constexpr double kRowB = 2.4;    // b, 1, 2
constexpr double kRowC = 4.4;    // c, 3, 4
constexpr double kRow5 = 6.4;    // 5, 6
constexpr double kRow7 = 8.4;    // 7, 8
constexpr double kRowD = 10.4;   // d, 9, 10
constexpr double kRowE = 12.4;   // e, 11, 12a
constexpr double kRowF = 14.4;   // f, 13, 12b
constexpr double kRow14 = 16.4;  // 14, 12c
constexpr double kRow12d = 18.4;
constexpr double kState1 = 21.4;  // 15 to 20, line 1
constexpr double kState2 = 23.4;  // line 2
constexpr double kFormBottom = 25.4;

// The columns of the box edges.
constexpr double kLeft = 1;
constexpr double kVoidLeft = 30;
constexpr double kOfficialLeft = 38;
constexpr double kMid = 45.5;     // the left column of numbered boxes
constexpr double kRightCol = 64;  // the right column of numbered boxes
constexpr double kRight = 83;
constexpr double kStateEdges[] = {kLeft, 24, 37, 49, 62, 73, kRight};

constexpr double kPictureCols = 83;
constexpr double kPictureLines = 30;

using enum W2Box;

GridRect Span(double left, double top, double right, double bottom) {
  return GridRect{left, top, right - left, bottom - top};
}

std::vector<FormBox> MakeBoxes() {
  std::vector<FormBox> boxes(static_cast<std::size_t>(Count));
  const auto set = [&](W2Box id, GridRect rect, std::string caption) {
    boxes[static_cast<std::size_t>(id)] = FormBox{rect, std::move(caption)};
  };
  set(A, Span(kLeft, kTop, kVoidLeft, kRowB), "");
  set(Void, Span(kVoidLeft, kTop, kOfficialLeft, kRowB), "");
  set(Official, Span(kOfficialLeft, kTop, kRight, kRowB),
      "For Official Use Only\nOMB No. 1545-0008");
  set(B, Span(kLeft, kRowB, kMid, kRowC), "b Employer identification number");
  set(C, Span(kLeft, kRowC, kMid, kRowD), "c Employer's name, address, and ZIP code");
  set(D, Span(kLeft, kRowD, kMid, kRowE), "d Employee's social security number");
  set(E, Span(kLeft, kRowE, kMid, kRowF), "e Employee's name (first, middle initial, last)");
  set(F, Span(kLeft, kRowF, kMid, kState1), "f Employee's address and ZIP code");
  set(B1, Span(kMid, kRowB, kRightCol, kRowC), "1 Wages, tips, other compensation");
  set(B2, Span(kRightCol, kRowB, kRight, kRowC), "2 Federal income tax withheld");
  set(B3, Span(kMid, kRowC, kRightCol, kRow5), "3 Social security wages");
  set(B4, Span(kRightCol, kRowC, kRight, kRow5), "4 Social security tax withheld");
  set(B5, Span(kMid, kRow5, kRightCol, kRow7), "5 Medicare wages and tips");
  set(B6, Span(kRightCol, kRow5, kRight, kRow7), "6 Medicare tax withheld");
  set(B7, Span(kMid, kRow7, kRightCol, kRowD), "7 Social security tips");
  set(B8, Span(kRightCol, kRow7, kRight, kRowD), "8 Allocated tips");
  set(B9, Span(kMid, kRowD, kRightCol, kRowE), "9 Advance EIC payment");
  set(B10, Span(kRightCol, kRowD, kRight, kRowE), "10 Dependent care benefits");
  set(B11, Span(kMid, kRowE, kRightCol, kRowF), "11 Nonqualified plans");
  set(B12a, Span(kRightCol, kRowE, kRight, kRowF), "12a See instructions for box 12");
  set(B12b, Span(kRightCol, kRowF, kRight, kRow14), "12b");
  set(B12c, Span(kRightCol, kRow14, kRight, kRow12d), "12c");
  set(B12d, Span(kRightCol, kRow12d, kRight, kState1), "12d");
  // Box 13 is three small boxes, one over each check box.
  set(B13Stat, Span(kMid, kRowF, 51, kRow14), "13 Statutory");
  set(B13Retire, Span(51, kRowF, 56, kRow14), "Retirement");
  set(B13Sick, Span(56, kRowF, kRightCol, kRow14), "Third-party sick pay");
  set(B14, Span(kMid, kRow14, kRightCol, kState1), "14 Other");
  const char* stateCaptions[] = {"15 State   Employer's state I.D. number",
                                 "16 State wages, tips, etc.",
                                 "17 State income tax",
                                 "18 Local wages, tips, etc.",
                                 "19 Local income tax",
                                 "20 Locality name"};
  for (int i = 0; i < 6; ++i) {
    const double left = kStateEdges[i];
    const double right = kStateEdges[i + 1];
    set(static_cast<W2Box>(static_cast<int>(B15L1) + i), Span(left, kState1, right, kState2),
        stateCaptions[i]);
    set(static_cast<W2Box>(static_cast<int>(B15L2) + i), Span(left, kState2, right, kFormBottom),
        "");
  }
  return boxes;
}

using enum W2FieldKind;

template <auto Member>
std::string W2TextOf(const W2Record& w2, const W3Record&) {
  return (w2.*Member).Str();
}

template <auto Member>
void W2StoreText(W2Record& w2, const std::string& text) {
  w2.*Member = text;
}

template <auto Member>
std::string W3TextOf(const W2Record&, const W3Record& w3) {
  return (w3.*Member).Str();
}

template <auto Member>
constexpr W2FieldAccess Typed() {
  return W2FieldAccess{&W2TextOf<Member>, &W2StoreText<Member>};
}

constexpr W2FieldAccess Money(Currency W2Record::*member) {
  return W2FieldAccess{.amount = member};
}

constexpr W2FieldAccess Flag(std::uint8_t W2Record::*member) {
  return W2FieldAccess{.flag = member};
}

constexpr W2FieldAccess Box12Line(int line) { return W2FieldAccess{.box12Line = line}; }

// The forms print a control number only above 0.
std::string ControlNumText(const W2Record& w2, const W3Record&) {
  return w2.ControlNum > 0 ? std::to_string(w2.ControlNum) : std::string();
}

std::string FirstNameText(const W2Record& w2, const W3Record&) { return w2.FirstName.Str(); }

// The first name up to the first comma (or else the first blank), the middle
// initial after it.
void StoreFirstName(W2Record& w2, const std::string& typed) {
  const std::string text = TrimText(typed);
  std::size_t split = text.find(',');
  if (split == std::string::npos) split = text.find(' ');
  if (split == std::string::npos) {
    w2.FirstName = text;
    w2.MiddleInitial = std::string();
  } else {
    w2.FirstName = text.substr(0, split);
    w2.MiddleInitial = TrimText(text.substr(split + 1, 15));
  }
}

std::string EmployerStateText(const W2Record&, const W3Record& w3) {
  return w3.State.Str() + "  " + w3.Zip.Str();
}

// The rows, in the order of W2Field: the print position of each item, the
// columns its field takes on the screen, its kind, its screen field and its
// access.
const std::vector<W2LayoutRow> kRows = {
    {W2Field::ControlNum, "ControlNum", 2, 1, 12, A, Text, "EditControlNum",
     W2FieldAccess{.text = &ControlNumText, .number = &W2Record::ControlNum}},
    {W2Field::Void, "Void", 31, 1, 2, Void, Check, "CheckBoxVoid", Flag(&W2Record::Void)},
    {W2Field::SocSecNum, "SocSecNum", 2, 11, 13, D, Text, "MaskEditSocSecNum",
     Typed<&W2Record::SocSecNum>()},
    {W2Field::FirstName, "FirstName", 2, 13, 18, E, Text, "EditFirstNameInitial",
     W2FieldAccess{&FirstNameText, &StoreFirstName}},
    {W2Field::LastName, "LastName", 21, 13, 24, E, Text, "EditLastName",
     Typed<&W2Record::LastName>()},
    {W2Field::Suite, "Suite", 2, 15, 12, F, Text, "EditSuite", Typed<&W2Record::Suite>()},
    {W2Field::StreetPOB, "StreetPOB", 15, 15, 30, F, Text, "EditStreetPOB",
     Typed<&W2Record::StreetPOB>()},
    {W2Field::City, "City", 2, 16, 25, F, Text, "EditCity", Typed<&W2Record::City>()},
    {W2Field::AddrState, "AddrState", 2, 17, 21, F, Text, "ComboBoxAddrState",
     Typed<&W2Record::AddrState>()},
    {W2Field::Zip, "Zip", 24, 17, 11, F, Text, "MaskEditZip", Typed<&W2Record::Zip>()},
    {W2Field::PostCode, "PostCode", 27, 18, 15, F, Text, "EditPostCode",
     Typed<&W2Record::PostCode>()},
    {W2Field::Country, "Country", 2, 18, 24, F, Text, "ComboBoxCountry",
     Typed<&W2Record::Country>()},
    {W2Field::Wages, "Wages", 47, 3, 14, B1, Amount, "EditWages", Money(&W2Record::Wages)},
    {W2Field::FedTax, "FedTax", 65, 3, 14, B2, Amount, "EditFedTax", Money(&W2Record::FedTax)},
    {W2Field::SSWages, "SSWages", 47, 5, 14, B3, Amount, "EditSSWages", Money(&W2Record::SSWages)},
    {W2Field::SSTax, "SSTax", 65, 5, 14, B4, Amount, "EditSSTax", Money(&W2Record::SSTax)},
    {W2Field::MedWage, "MedWage", 47, 7, 14, B5, Amount, "EditMedWage", Money(&W2Record::MedWage)},
    {W2Field::MedTax, "MedTax", 65, 7, 14, B6, Amount, "EditMedTax", Money(&W2Record::MedTax)},
    {W2Field::SSTips, "SSTips", 47, 9, 14, B7, Amount, "EditSSTips", Money(&W2Record::SSTips)},
    {W2Field::AllocTips, "AllocTips", 65, 9, 14, B8, Amount, "EditAllocTips",
     Money(&W2Record::AllocTips)},
    {W2Field::AdvEIC, "AdvEIC", 47, 11, 14, B9, Amount, "EditAdvEIC", Money(&W2Record::AdvEIC)},
    {W2Field::DepCare, "DepCare", 65, 11, 14, B10, Amount, "EditDepCare",
     Money(&W2Record::DepCare)},
    {W2Field::NonQualPlans, "NonQualPlans", 47, 13, 14, B11, Amount, "EditNonQualPlans",
     Money(&W2Record::NonQualPlans)},
    {W2Field::Box12aCode, "Box12[0].Code", 65, 13, 3, B12a, Code, "Edit12a_code", Box12Line(0)},
    {W2Field::Box12aAmount, "Box12[0].Amount", 70, 13, 12, B12a, Amount, "Edit12a_amount",
     Box12Line(0)},
    {W2Field::Box12bCode, "Box12[1].Code", 65, 15, 3, B12b, Code, "Edit12b_code", Box12Line(1)},
    {W2Field::Box12bAmount, "Box12[1].Amount", 70, 15, 12, B12b, Amount, "Edit12b_amount",
     Box12Line(1)},
    {W2Field::Box12cCode, "Box12[2].Code", 65, 17, 3, B12c, Code, "Edit12c_code", Box12Line(2)},
    {W2Field::Box12cAmount, "Box12[2].Amount", 70, 17, 12, B12c, Amount, "Edit12c_amount",
     Box12Line(2)},
    {W2Field::Box12dCode, "Box12[3].Code", 65, 19, 3, B12d, Code, "Edit12d_code", Box12Line(3)},
    {W2Field::Box12dAmount, "Box12[3].Amount", 70, 19, 12, B12d, Amount, "Edit12d_amount",
     Box12Line(3)},
    {W2Field::StatEmpl, "StatEmpl", 47, 15, 2, B13Stat, Check, "CheckBoxStatEmpl",
     Flag(&W2Record::StatEmpl)},
    {W2Field::RetirePlan, "RetirePlan", 52, 15, 2, B13Retire, Check, "CheckBoxRetirePlan",
     Flag(&W2Record::RetirePlan)},
    {W2Field::TPSickPay, "TPSickPay", 57, 15, 2, B13Sick, Check, "CheckBoxTPSickPay",
     Flag(&W2Record::TPSickPay)},
    {W2Field::Box14aLabel, "Box14aLabel", 46, 17, 7.5, B14, Text, "Edit14a_label",
     Typed<&W2Record::Box14aLabel>()},
    {W2Field::Box14aAmount, "Box14aAmount", 54, 17, 9.5, B14, Amount, "Edit14a_amount",
     Money(&W2Record::Box14aAmount)},
    {W2Field::Box14bLabel, "Box14bLabel", 46, 18, 7.5, B14, Text, "Edit14b_label",
     Typed<&W2Record::Box14bLabel>()},
    {W2Field::Box14bAmount, "Box14bAmount", 54, 18, 9.5, B14, Amount, "Edit14b_amount",
     Money(&W2Record::Box14bAmount)},
    {W2Field::Box14cLabel, "Box14cLabel", 46, 19, 7.5, B14, Text, "Edit14c_label",
     Typed<&W2Record::Box14cLabel>()},
    {W2Field::Box14cAmount, "Box14cAmount", 54, 19, 9.5, B14, Amount, "Edit14c_amount",
     Money(&W2Record::Box14cAmount)},
    {W2Field::ST1State, "ST1State", 2, 22, 3.8, B15L1, Text, "ComboBoxST1State",
     Typed<&W2Record::ST1State>()},
    {W2Field::ST1StateID, "ST1StateID", 6, 22, 17.5, B15L1, Text, "EditST1StateID",
     Typed<&W2Record::ST1StateID>()},
    {W2Field::ST1StateWage, "ST1StateWage", 25, 22, 11.5, B16L1, Amount, "EditST1StateWage",
     Money(&W2Record::ST1StateWage)},
    {W2Field::ST1StateTax, "ST1StateTax", 38, 22, 10.5, B17L1, Amount, "EditST1StateTax",
     Money(&W2Record::ST1StateTax)},
    {W2Field::ST1LocalWage, "ST1LocalWage", 50, 22, 11.5, B18L1, Amount, "EditST1LocalWage",
     Money(&W2Record::ST1LocalWage)},
    {W2Field::ST1LocalTax, "ST1LocalTax", 63, 22, 9.5, B19L1, Amount, "EditST1LocalTax",
     Money(&W2Record::ST1LocalTax)},
    {W2Field::ST1LocName, "ST1LocName", 74, 22, 8.5, B20L1, Text, "EditST1LocName",
     Typed<&W2Record::ST1LocName>()},
    {W2Field::ST2State, "ST2State", 2, 24, 3.8, B15L2, Text, "ComboBoxST2State",
     Typed<&W2Record::ST2State>()},
    {W2Field::ST2StateID, "ST2StateID", 6, 24, 17.5, B15L2, Text, "EditST2StateID",
     Typed<&W2Record::ST2StateID>()},
    {W2Field::ST2StateWage, "ST2StateWage", 25, 24, 11.5, B16L2, Amount, "EditST2StateWage",
     Money(&W2Record::ST2StateWage)},
    {W2Field::ST2StateTax, "ST2StateTax", 38, 24, 10.5, B17L2, Amount, "EditST2StateTax",
     Money(&W2Record::ST2StateTax)},
    {W2Field::ST2LocalWage, "ST2LocalWage", 50, 24, 11.5, B18L2, Amount, "EditST2LocalWage",
     Money(&W2Record::ST2LocalWage)},
    {W2Field::ST2LocalTax, "ST2LocalTax", 63, 24, 9.5, B19L2, Amount, "EditST2LocalTax",
     Money(&W2Record::ST2LocalTax)},
    {W2Field::ST2LocName, "ST2LocName", 74, 24, 8.5, B20L2, Text, "EditST2LocName",
     Typed<&W2Record::ST2LocName>()},
    {W2Field::EmployerEIN, "EmployerEIN", 2, 3, 25, B, Text, "",
     W2FieldAccess{&W3TextOf<&W3Record::EmployerEIN>}},
    {W2Field::EmployerName, "EmployerName", 2, 5, 43, C, Text, "",
     W2FieldAccess{&W3TextOf<&W3Record::EmployerName>}},
    {W2Field::EmployerSuite, "Suite", 2, 6, 20, C, Text, "",
     W2FieldAccess{&W3TextOf<&W3Record::Suite>}},
    {W2Field::EmployerStreet, "Street", 23, 6, 22, C, Text, "",
     W2FieldAccess{&W3TextOf<&W3Record::Street>}},
    {W2Field::EmployerTown, "Town", 2, 7, 43, C, Text, "",
     W2FieldAccess{&W3TextOf<&W3Record::Town>}},
    {W2Field::EmployerState, "State", 2, 8, 43, C, Text, "", W2FieldAccess{&EmployerStateText}},
};

FormPicture MakePicture() {
  FormPicture picture;
  picture.cols = kPictureCols;
  picture.lines = kPictureLines;
  picture.boxes = MakeBoxes();
  // The captions of the top row, beside their fields.
  picture.titles.push_back(FormBox{GridRect{15, 1.1, 14, 0.8}, "a Control number"});
  picture.titles.push_back(FormBox{GridRect{33.5, 1.1, 4, 0.8}, "Void"});
  picture.titles.push_back(FormBox{GridRect{2, 25.6, 6, 2}, "W-2"});
  picture.titles.push_back(FormBox{GridRect{9, 25.9, 27, 1.4}, "Wage and Tax Statement"});
  picture.titles.push_back(FormBox{GridRect{48, 25.9, 35, 0.8},
                                   "Department of the Treasury - Internal Revenue Service"});
  return picture;
}

}  // namespace

const FormPicture& W2FormPicture() {
  static const FormPicture picture = MakePicture();
  return picture;
}

const std::vector<W2LayoutRow>& W2Layout() { return kRows; }

const W2LayoutRow& W2Row(W2Field field) { return kRows.at(static_cast<std::size_t>(field)); }

const W2LayoutRow* W2RowOfWidget(std::string_view widget) {
  for (const W2LayoutRow& row : kRows) {
    if (*row.widget != '\0' && widget == row.widget) return &row;
  }
  return nullptr;
}

std::string W2Text(W2Field field, const W2Record& w2, const W3Record& w3) {
  // The items of later forms have no row of the 2001 table.
  if (field > W2Field::Count) return W2ExtraText(field, w2);
  const W2FieldAccess& access = W2Row(field).access;
  return access.text != nullptr ? access.text(w2, w3) : std::string();
}

std::string W2Text(W2Field field, const W2Record& w2) {
  static const W3Record none{};
  return W2Text(field, w2, none);
}

Currency W2Amount(W2Field field, const W2Record& w2) {
  const W2FieldAccess& access = W2Row(field).access;
  if (access.amount != nullptr) return w2.*access.amount;
  return w2.Box12[access.box12Line].Amount;
}

void W2SetAmount(W2Field field, W2Record& w2, Currency amount) {
  const W2FieldAccess& access = W2Row(field).access;
  if (access.amount != nullptr) {
    w2.*access.amount = amount;
  } else {
    w2.Box12[access.box12Line].Amount = amount;
  }
}

void W2StoreText(W2Field field, W2Record& w2, const std::string& text) {
  if (field > W2Field::Count) return W2StoreExtraText(field, w2, text);
  if (const auto store = W2Row(field).access.store) store(w2, text);
}

std::int32_t W2Number(W2Field field, const W2Record& w2) { return w2.*W2Row(field).access.number; }

void W2SetNumber(W2Field field, W2Record& w2, std::int32_t number) {
  w2.*W2Row(field).access.number = number;
}

bool W2Checked(W2Field field, const W2Record& w2) { return w2.*W2Row(field).access.flag != 0; }

void W2SetChecked(W2Field field, W2Record& w2, bool checked) {
  w2.*W2Row(field).access.flag = checked ? 1 : 0;
}

const Box12Entry& W2Box12Line(W2Field field, const W2Record& w2) {
  return w2.Box12[W2Row(field).access.box12Line];
}

Box12Entry& W2Box12Line(W2Field field, W2Record& w2) {
  return w2.Box12[W2Row(field).access.box12Line];
}

std::string EmployeeFirstNameAndInitial(const W2Record& w2) {
  return w2.FirstName.Str() + " " + w2.MiddleInitial.Str();
}

std::string SuiteAndStreet(const std::string& suite, const std::string& street) {
  return suite.empty() ? street : suite + ", " + street;
}

std::string EmployeeSuiteAndStreet(const W2Record& w2) {
  return SuiteAndStreet(w2.Suite.Str(), w2.StreetPOB.Str());
}

std::string EmployerSuiteAndStreet(const W3Record& w3) {
  return SuiteAndStreet(w3.Suite.Str(), w3.Street.Str());
}

GridRect W2CellRect(W2Field field) {
  const W2LayoutRow& row = W2Row(field);
  return GridRect{row.col, row.line, row.cols, 1};
}

std::optional<GridRect> W2BoxRect(W2Box box) {
  if (box == None) return std::nullopt;
  return W2FormPicture().boxes.at(static_cast<std::size_t>(box)).rect;
}
