// Moving through the employees in entry, name and SSN order, looking them up,
// and starting new ones.

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "data/QuillmarFormFile.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

class NavigationTest : public FormFileTest {
 protected:
  // Five employees whose entry, name and SSN orders all differ:
  //   entry: Baker 1280, Young 1920, Clark 2560, Adams 3200, Moore 3840
  //   name:  Adams, Baker, Clark, Moore, Young
  //   SSN:   Moore 111, Clark 222, Young 333, Adams 444, Baker 555
  std::unique_ptr<TQuillmarFormFile> OpenFive() {
    auto file = Open();
    AddEmployee(*file, "555-55-5555", "Eve", "", "Baker");
    AddEmployee(*file, "333-33-3333", "Ann", "", "Young");
    AddEmployee(*file, "222-22-2222", "Dan", "", "Clark");
    AddEmployee(*file, "444-44-4444", "Bob", "", "Adams");
    AddEmployee(*file, "111-11-1111", "Cy", "", "Moore");
    file.reset();
    return Open();
  }
};

using Op = std::function<bool(TQuillmarFormFile&)>;

struct Step {
  const char* what;
  Op op;
  bool result;
  std::int64_t recPos;
};

const Op kFirst = [](TQuillmarFormFile& f) { return f.GoFirst(); };
const Op kLast = [](TQuillmarFormFile& f) { return f.GoLast(); };
const Op kNext = [](TQuillmarFormFile& f) { return f.GoNext(); };
const Op kPrev = [](TQuillmarFormFile& f) { return f.GoPrev(); };
const Op kW3 = [](TQuillmarFormFile& f) { return f.ReadW3(); };

void Walk(TQuillmarFormFile& file, const std::vector<Step>& steps) {
  for (const Step& s : steps) {
    EXPECT_EQ(s.op(file), s.result) << s.what << " at " << file.RecPos();
    EXPECT_EQ(file.RecPos(), s.recPos) << s.what;
    EXPECT_TRUE(file.WorkRec.SameBytes(file.OrigRec)) << s.what;
  }
}

TEST_F(NavigationTest, NewFileInEntrySequenceHasOnlyThePlaceholder) {
  auto file = Open();
  Walk(*file, {{"first", kFirst, true, 1280},
               {"last", kLast, true, 1280},
               {"next", kNext, false, 1280},
               {"prev", kPrev, false, 1280}});
  EXPECT_EQ(file->WorkRec.RecType(), kRecTypeW2);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(NavigationTest, EntrySequenceFollowsTheFile) {
  auto file = OpenFive();
  Walk(*file, {{"first", kFirst, true, 1280},
               {"prev on first", kPrev, false, 1280},
               {"next", kNext, true, 1920},
               {"next", kNext, true, 2560},
               {"next", kNext, true, 3200},
               {"next", kNext, true, 3840},
               {"next on last", kNext, false, 3840},
               {"prev", kPrev, true, 3200},
               {"w3", kW3, true, 640},
               {"next from W-3", kNext, true, 1280},
               {"w3", kW3, true, 640},
               {"prev from W-3", kPrev, true, 1280},
               {"last", kLast, true, 3840}});
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Moore");
}

TEST_F(NavigationTest, NameOrderFollowsTheNameIndex) {
  auto file = OpenFive();
  file->IndexMode = 1;
  Walk(*file, {{"first", kFirst, true, 3200},
               {"prev on first", kPrev, false, 3200},
               {"next", kNext, true, 1280},
               {"next", kNext, true, 2560},
               {"next", kNext, true, 3840},
               {"next", kNext, true, 1920},
               {"next on last", kNext, false, 1920},
               {"first", kFirst, true, 3200},
               {"last", kLast, true, 1920},
               {"next after last", kNext, false, 1920},
               {"prev", kPrev, true, 3840}});
  EXPECT_EQ(file->NameIdxPos(), 3);
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Moore");
}

TEST_F(NavigationTest, SsnOrderFollowsTheSsnIndex) {
  auto file = OpenFive();
  file->IndexMode = 2;
  Walk(*file, {{"first", kFirst, true, 3840},
               {"next", kNext, true, 2560},
               {"next", kNext, true, 1920},
               {"next", kNext, true, 3200},
               {"next", kNext, true, 1280},
               {"next on last", kNext, false, 1280},
               {"prev", kPrev, true, 3200},
               {"last", kLast, true, 1280}});
  EXPECT_EQ(file->SsnIdxPos(), 4);
}

TEST_F(NavigationTest, FileWithoutW2RecordsHasNoTargets) {
  Open().reset();
  ASSERT_EQ(truncate(path.c_str(), 1280), 0);
  auto file = Open();
  EXPECT_EQ(file->NameIndex().Count(), 0);
  EXPECT_EQ(file->SsnIndex().Count(), 0);
  for (int mode : {0, 1, 2}) {
    file->IndexMode = mode;
    const std::int64_t recPos = file->RecPos();
    for (const auto& op : {kFirst, kLast, kNext, kPrev}) {
      EXPECT_FALSE(op(*file)) << "mode " << mode;
      EXPECT_EQ(file->RecPos(), recPos);
    }
    EXPECT_FALSE(file->LocateKey("SMITH"));
    EXPECT_FALSE(file->LocateKey("123-45-6789"));
  }
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(FileBytes(path).size(), 1280u);
}

TEST_F(NavigationTest, SsnLookupThenNextContinuesInSsnOrder) {
  auto file = OpenFive();
  file->IndexMode = 2;
  ASSERT_TRUE(file->LocateKey("333-33-3333"));
  EXPECT_EQ(file->RecPos(), 1920);
  EXPECT_EQ(file->SsnIdxPos(), 2);
  ASSERT_TRUE(file->GoNext());
  EXPECT_EQ(file->WorkRec.w2.SocSecNum.Str(), "444-44-4444");
}

TEST_F(NavigationTest, NameLookupIgnoresCase) {
  auto file = OpenFive();
  ASSERT_TRUE(file->LocateKey("clark, dan"));
  EXPECT_EQ(file->RecPos(), 2560);
  EXPECT_EQ(file->NameIdxPos(), 2);
  EXPECT_FALSE(file->LocateKey("CLARK"));
  EXPECT_EQ(file->RecPos(), 2560);
}

TEST_F(NavigationTest, KeysFrom000To999AreLookedUpAsSsns) {
  auto file = Open();
  // Last names that look like the start of an SSN, and one SSN.
  AddEmployee(*file, "", "", "", "0");
  AddEmployee(*file, "", "", "", "1");
  AddEmployee(*file, "", "", "", "9:");
  AddEmployee(*file, "", "", "", "3M");
  AddEmployee(*file, "1A", "", "", "Able");
  struct Case {
    const char* key;
    bool found;
  };
  const Case cases[] = {
      {"0", true},     // "0" sorts below "000": a name
      {"1", false},    // a name, but looked up as an SSN
      {"9:", true},    // ':' is above '9': a name
      {"3M", false},   // a name that starts with a digit is not found
      {"1A", true},    // the SSN
      {"1a", true},    // SSN lookups ignore case too
      {"ABLE", true},  // the name
  };
  for (const Case& c : cases) {
    EXPECT_EQ(file->LocateKey(c.key), c.found) << c.key;
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

// Characters above 127 (Windows-1252 letters) count by their unsigned codes:
// above '9', so "99\xC9" lies beyond "999" and "00\xC9" not below "000".
TEST_F(NavigationTest, KeyTestComparesCharactersAboveAsciiByTheirUnsignedCodes) {
  auto file = Open();
  const std::int64_t name = AddEmployee(*file, "", "", "", "99\xC9");
  const std::int64_t ssn = AddEmployee(*file, "00\xC9", "", "", "Able");
  ASSERT_TRUE(file->GoFirst());
  ASSERT_TRUE(file->LocateKey("99\xC9"));
  EXPECT_EQ(file->RecPos(), name);
  ASSERT_TRUE(file->LocateKey("00\xC9"));
  EXPECT_EQ(file->RecPos(), ssn);
  EXPECT_EQ(file->SsnIdxPos(), 1);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(NavigationTest, NameLookupInSsnOrderSearchesTheSsns) {
  auto file = OpenFive();
  file->IndexMode = 2;
  EXPECT_FALSE(file->LocateKey("CLARK, DAN"));
}

TEST_F(NavigationTest, EmptyOrUnknownKeyIsNotFound) {
  auto file = OpenFive();
  const std::int64_t recPos = file->RecPos();
  EXPECT_FALSE(file->LocateKey(""));
  EXPECT_FALSE(file->LocateKey("NOBODY"));
  EXPECT_FALSE(file->LocateKey("999-99-9999"));
  EXPECT_EQ(file->RecPos(), recPos);
  EXPECT_TRUE(boxes.Shown().empty());
}

class SameNameTest : public NavigationTest {
 protected:
  std::unique_ptr<TQuillmarFormFile> OpenThreeSmiths() {
    auto file = Open();
    AddEmployee(*file, "100-00-0001", "Ann", "", "Adams");
    AddEmployee(*file, "100-00-0002", "John", "", "Smith");
    file->WorkRec.w2.Suite = "Apt 1";
    file->WorkRec.w2.StreetPOB = "1 Oak St";
    file->WorkRec.w2.City = "Erie";
    EXPECT_TRUE(file->SaveCurrent(false));
    AddEmployee(*file, "100-00-0003", "John", "", "Smith");
    AddEmployee(*file, "100-00-0004", "John", "", "Smith");
    file->WorkRec.w2.City = "Akron";
    EXPECT_TRUE(file->SaveCurrent(false));
    file.reset();
    return Open();
  }
};

TEST_F(SameNameTest, AsksThroughTheNamesakesAndTakesTheLastWithOk) {
  auto file = OpenThreeSmiths();
  file->IndexMode = 1;
  boxes.Answer(MsgNo).Answer(MsgNo).Answer(MsgOk);
  ASSERT_TRUE(file->LocateKey("Smith, John"));
  // Equal keys: the last one scanned comes first.
  const std::string intro = "There is more than one employee with the same name, ";
  const std::string next = "click Yes to select this employee, No to see next";
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{
                               intro + next + "\r\r100-00-0004\rJohn  Smith\r\r\rAkron",
                               intro + next + "\r\r100-00-0003\rJohn  Smith\r\r\r",
                               intro + "THIS IS THE LAST ONE, click OK to select this employee" +
                                   "\r\r100-00-0002\rJohn  Smith\rApt 1\r1 Oak St\rErie",
                           }));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(boxes.Shown()[static_cast<std::size_t>(i)].buttons,
              i < 2 ? static_cast<unsigned>(MsgYes | MsgNo) : static_cast<unsigned>(MsgOk));
  }
  EXPECT_EQ(file->WorkRec.w2.SocSecNum.Str(), "100-00-0002");
  EXPECT_EQ(file->NameIdxPos(), 3);
  // Name order goes on from the chosen one.
  EXPECT_FALSE(file->GoNext());
  ASSERT_TRUE(file->GoPrev());
  EXPECT_EQ(file->WorkRec.w2.SocSecNum.Str(), "100-00-0003");
}

TEST_F(SameNameTest, YesTakesTheNamesakeShown) {
  auto file = OpenThreeSmiths();
  boxes.Answer(MsgNo).Answer(MsgYes);
  ASSERT_TRUE(file->LocateKey("SMITH, JOHN"));
  EXPECT_EQ(file->WorkRec.w2.SocSecNum.Str(), "100-00-0003");
  EXPECT_EQ(file->NameIdxPos(), 2);
  EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST_F(NavigationTest, AddNewStartsABlankRecordOfTheKind) {
  auto file = OpenFive();
  const std::int64_t size = file->Size();
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  EXPECT_EQ(file->RecPos(), size);
  EXPECT_EQ(file->CurOfs(), nullptr);
  std::string blank(kRecSize, '\0');
  blank.replace(0, 8, DoubleBytes(kFixedNow));
  blank[8] = 48;
  for (std::size_t offset : {296u, 312u, 328u, 344u}) blank[offset] = ' ';
  EXPECT_EQ(BytesOf(file->WorkRec), blank);
  EXPECT_EQ(BytesOf(file->OrigRec), blank);
  // Left unchanged, nothing is written.
  ASSERT_TRUE(file->GoFirst());
  EXPECT_EQ(file->Size(), size);

  ASSERT_TRUE(file->AddNew(kRecTypeW3));
  EXPECT_EQ(file->RecPos(), 640);
  EXPECT_EQ(file->W3Rec.RecType(), kRecTypeW3);
  ASSERT_TRUE(file->AddNew(kRecTypeHeader));
  EXPECT_EQ(file->RecPos(), 0);
  EXPECT_EQ(file->WorkRec.RecType(), kRecTypeHeader);

  ASSERT_TRUE(file->GoLast());
  const TRecordBuffer before = file->WorkRec;
  for (int kind : {0, 17, 47, 49, -48}) {
    EXPECT_FALSE(file->AddNew(kind)) << kind;
    EXPECT_EQ(file->RecPos(), 3840);
    EXPECT_EQ(BytesOf(file->WorkRec), BytesOf(before));
  }
  EXPECT_EQ(file->Size(), size);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(NavigationTest, MoveOffersThePendingChangeFirst) {
  auto file = OpenFive();
  ASSERT_TRUE(file->LocateKey("222-22-2222"));
  file->WorkRec.w2.FirstName = "Daniel";
  boxes.Answer(MsgYes);
  ASSERT_TRUE(file->GoNext());
  EXPECT_EQ(boxes.Texts(),
            std::vector<std::string>{"Save changes to W-2 for 222-22-2222 Daniel  Clark ?"});
  EXPECT_EQ(file->RecPos(), 3200);
  EXPECT_EQ(RecordOf(FileBytes(path), 4).substr(29, 7),
            "\x06"
            "Daniel");

  file->WorkRec.w2.FirstName = "Robert";
  boxes.Answer(MsgNo);
  ASSERT_TRUE(file->GoPrev());
  EXPECT_EQ(file->WorkRec.w2.FirstName.Str(), "Daniel");
  ASSERT_TRUE(file->GoNext());
  EXPECT_EQ(file->WorkRec.w2.FirstName.Str(), "Bob");
}

TEST_F(NavigationTest, RenameDuringNameOrderMoveKeepsThePositionOnTheRecordShown) {
  auto file = OpenFive();
  file->IndexMode = 1;
  ASSERT_TRUE(file->LocateKey("BAKER, EVE"));
  ASSERT_EQ(file->NameIdxPos(), 1);
  file->WorkRec.w2.LastName = "Zulu";
  boxes.Answer(MsgYes);
  ASSERT_TRUE(file->GoNext());
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Clark");
  EXPECT_EQ(file->NameIdxPos(), 1);
  std::vector<std::string> rest;
  while (file->GoNext()) rest.push_back(file->WorkRec.w2.LastName.Str());
  EXPECT_EQ(rest, (std::vector<std::string>{"Moore", "Young", "Zulu"}));
}

TEST_F(NavigationTest, ShortReadOfTheTargetReportsFalse) {
  auto file = OpenFive();
  // The file shrinks behind the program's back.
  ASSERT_EQ(truncate(path.c_str(), 2000), 0);
  file->IndexMode = 1;
  EXPECT_FALSE(file->GoLast());
  EXPECT_EQ(file->RecPos(), 1920);
}

// A save refused for a duplicate SSN keeps the user on the record with the
// entry as typed, whatever operation asked for the save.
TEST_F(NavigationTest, RefusedSaveStopsEveryOperation) {
  struct Case {
    const char* what;
    int mode;
    std::function<bool(TQuillmarFormFile&)> op;
  };
  std::vector<Case> cases;
  for (int mode : {0, 1, 2}) {
    cases.push_back({"first", mode, kFirst});
    cases.push_back({"last", mode, kLast});
    cases.push_back({"next", mode, kNext});
    cases.push_back({"prev", mode, kPrev});
    if (mode != 2) {  // in SSN order a name is looked up among the SSNs
      cases.push_back(
          {"locate name", mode, [](TQuillmarFormFile& f) { return f.LocateKey("MOORE, CY"); }});
    }
    cases.push_back(
        {"locate ssn", mode, [](TQuillmarFormFile& f) { return f.LocateKey("111-11-1111"); }});
  }
  cases.push_back({"add new", 0, [](TQuillmarFormFile& f) { return f.AddNew(kRecTypeW2); }});
  cases.push_back({"read w3", 0, kW3});

  auto file = OpenFive();
  const std::string before = FileBytes(path);
  for (const Case& c : cases) {
    file->IndexMode = c.mode;
    ASSERT_TRUE(c.mode == 1 ? file->LocateKey("CLARK, DAN") : file->LocateKey("222-22-2222"));
    const TRecordBuffer orig = file->OrigRec;
    const int nameIdxPos = file->NameIdxPos();
    const int ssnIdxPos = file->SsnIdxPos();
    file->WorkRec.w2.SocSecNum = "555-55-5555";  // Baker's
    const TRecordBuffer typed = file->WorkRec;

    boxes.Clear();
    boxes.Answer(MsgYes);
    EXPECT_FALSE(c.op(*file)) << c.what << " mode " << c.mode;
    EXPECT_EQ(file->LastSave().reason,
              "SSN was changed and new number already on file, cannot save changes")
        << c.what;
    EXPECT_TRUE(file->SaveRefused()) << c.what << " mode " << c.mode;
    EXPECT_EQ(file->RecPos(), 2560) << c.what;
    EXPECT_EQ(BytesOf(file->WorkRec), BytesOf(typed)) << c.what;
    EXPECT_EQ(BytesOf(file->OrigRec), BytesOf(orig)) << c.what;
    EXPECT_EQ(file->NameIdxPos(), nameIdxPos) << c.what;
    EXPECT_EQ(file->SsnIdxPos(), ssnIdxPos) << c.what;
    EXPECT_EQ(FileBytes(path), before) << c.what;

    // An operation without a target afterwards is no refusal.
    EXPECT_FALSE(file->LocateKey(""));
    EXPECT_FALSE(file->SaveRefused());
    file->WorkRec = file->OrigRec;
  }
}

}  // namespace
