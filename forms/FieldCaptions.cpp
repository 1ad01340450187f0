#include "forms/FieldCaptions.h"

#include <array>
#include <utility>

namespace {

// "Box " and the first line of a caption with its runs of blanks made one:
// "15 State   Employer's state I.D. number" reads "Box 15 State Employer's...".
std::string BoxName(const std::string& caption) {
  std::string name = "Box ";
  bool blank = false;
  for (const char c : caption.substr(0, caption.find('\n'))) {
    if (c == ' ' && blank) continue;
    blank = c == ' ';
    name += c;
  }
  return name;
}

std::string W2BoxName(W2Box box) {
  return BoxName(W2FormPicture().boxes[static_cast<std::size_t>(box)].caption);
}

// The W-2's state line boxes carry their captions on line 1 only.
std::string StateLineName(W2Field field) {
  const int index = static_cast<int>(field);
  const bool line2 = index >= static_cast<int>(W2Field::ST2State);
  const int column = index - static_cast<int>(line2 ? W2Field::ST2State : W2Field::ST1State);
  // The columns: state, state ID (both box 15), then boxes 16 to 20.
  const std::string suffix = line2 ? ", line 2" : ", line 1";
  if (column == 0) return "Box 15 State" + suffix;
  if (column == 1) return "Box 15 Employer's state I.D. number" + suffix;
  const W2Box box = static_cast<W2Box>(static_cast<int>(W2Box::B16L1) + column - 2);
  return W2BoxName(box) + suffix;
}

}  // namespace

std::string W2FieldCaption(W2Field field) {
  using enum W2Field;
  switch (field) {
    case ControlNum:
      return "Box a Control number";
    case Void:
      return "Void";
    case FirstName:
      return "Box e Employee's first name and middle initial";
    case LastName:
      return "Box e Employee's last name";
    case Suite:
      return "Box f Employee's suite";
    case StreetPOB:
      return "Box f Employee's street or P.O. box";
    case City:
      return "Box f Employee's city";
    case AddrState:
      return "Box f Employee's state";
    case Zip:
      return "Box f Employee's ZIP code";
    case PostCode:
      return "Box f Employee's foreign postal code";
    case Country:
      return "Box f Employee's country";
    case Box12aCode:
    case Box12bCode:
    case Box12cCode:
    case Box12dCode:
      return W2BoxName(W2Row(field).box).substr(0, 7) + " Code";
    case Box12aAmount:
    case Box12bAmount:
    case Box12cAmount:
    case Box12dAmount:
      return W2BoxName(W2Row(field).box).substr(0, 7) + " Amount";
    case StatEmpl:
      return "Box 13 Statutory employee";
    case RetirePlan:
      return "Box 13 Retirement plan";
    case TPSickPay:
      return "Box 13 Third-party sick pay";
    case Box14aLabel:
    case Box14bLabel:
    case Box14cLabel:
    case Box14aAmount:
    case Box14bAmount:
    case Box14cAmount: {
      const int n = static_cast<int>(field) - static_cast<int>(Box14aLabel);
      return "Box 14 Other, line " + std::to_string(n / 2 + 1) +
             (n % 2 == 0 ? " description" : " amount");
    }
    case EmployerSuite:
    case EmployerStreet:
    case EmployerTown:
    case EmployerState:
      return "Box c Employer's address";
    default:
      break;
  }
  if (field >= ST1State && field <= ST2LocName) return StateLineName(field);
  return W2BoxName(W2Row(field).box);
}

std::string W3WidgetCaption(std::string_view widget) {
  static const std::array<std::pair<std::string_view, const char*>, 6> kOwn = {{
      {"EditTaxYear", "Tax year"},
      {"EditSuite", "Box g Employer's suite"},
      {"EditStreet", "Box g Employer's street"},
      {"EditTown", "Box g Employer's town"},
      {"ComboBoxState", "Box g Employer's state"},
      {"MaskEditZip", "Box g Employer's ZIP code"},
  }};
  for (const auto& [name, caption] : kOwn) {
    if (name == widget) return caption;
  }
  for (const W3LayoutRow& row : W3Layout()) {
    if (widget != row.widget || row.box == W3Box::None) continue;
    const std::string& caption = W3FormPicture().boxes[static_cast<std::size_t>(row.box)].caption;
    // Boxes without a letter or number: the contact, phone, e-mail and fax.
    const bool numbered = !caption.empty() && (caption[0] != ' ') &&
                          (caption.find(' ') <= 2 && caption.find(' ') != std::string::npos);
    std::string name = numbered ? BoxName(caption) : caption.substr(0, caption.find('\n'));
    if (row.field == W3Field::StateForID) name = "Box 15 State";
    if (row.field == W3Field::StateID) name = "Box 15 Employer's state ID number";
    return name;
  }
  return {};
}
