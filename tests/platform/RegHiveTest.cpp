// The hive text: what is written, what is read back, and that nothing a user
// put into the file is lost when the program writes it again.

#include <gtest/gtest.h>
#include <malloc.h>

#include <string>

#include "platform/RegHive.h"

namespace {

const std::vector<RegRoot> kSystemRoots{RegRoot::LocalMachine, RegRoot::ClassesRoot};

RegHive ParseSystem(std::string_view text) { return RegHive::Parse(text, kSystemRoots); }

TEST(RegHive, WritesEveryValueTypeInTheExportFormat) {
  RegHive hive(kSystemRoots);
  const unsigned char rate[8] = {0x30, 0xf2, 0, 0, 0, 0, 0, 0};
  hive.SetValue(RegRoot::LocalMachine, "Software\\Tolvane",
                RegValue::String("Name", "Jane \"JJ\" C:\\Smith"));
  hive.SetValue(RegRoot::LocalMachine, "Software\\Tolvane", RegValue::String("", "default"));
  hive.SetValue(RegRoot::LocalMachine, "Software\\Tolvane", RegValue::Dword("Top", 50));
  hive.SetValue(RegRoot::LocalMachine, "Software\\Tolvane", RegValue::Dword("Minus", 0xFFFFFFFEu));
  hive.SetValue(RegRoot::LocalMachine, "Software\\Tolvane",
                RegValue::Binary("SocSecRate", rate, 8));
  hive.SetValue(RegRoot::LocalMachine, "Software\\Tolvane", RegValue::Binary("Empty", "", 0));
  hive.SetValue(RegRoot::ClassesRoot, ".qmr", RegValue::String("", "Quillmar_TQP"));
  EXPECT_EQ(hive.Serialize(),
            "REGEDIT4\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Software]\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane]\n"
            "\"Name\"=\"Jane \\\"JJ\\\" C:\\\\Smith\"\n"
            "@=\"default\"\n"
            "\"Top\"=dword:00000032\n"
            "\"Minus\"=dword:fffffffe\n"
            "\"SocSecRate\"=hex:30,f2,00,00,00,00,00,00\n"
            "\"Empty\"=hex:\n"
            "\n"
            "[HKEY_CLASSES_ROOT\\.qmr]\n"
            "@=\"Quillmar_TQP\"\n"
            "\n");
}

TEST(RegHive, ReadsBackWhatItWrote) {
  RegHive hive(kSystemRoots);
  const std::string bytes("\x00\x01\xff\x7f", 4);
  hive.SetValue(RegRoot::LocalMachine, "A\\B",
                RegValue::String("Text", "back\\slash \"quoted\" \xE9"));
  hive.SetValue(RegRoot::LocalMachine, "A\\B", RegValue::String("Lines", "one\r\ntwo"));
  hive.SetValue(RegRoot::LocalMachine, "A\\B", RegValue::Dword("Number", 0x80000001u));
  hive.SetValue(RegRoot::LocalMachine, "A\\B",
                RegValue::Binary("Bytes", bytes.data(), bytes.size()));
  hive.SetValue(RegRoot::LocalMachine, "A\\B", RegValue::String("", ""));

  const RegHive back = ParseSystem(hive.Serialize());
  EXPECT_EQ(back.UnreadableLineCount(), 0u);
  for (const std::string name : {"Text", "Lines", "Number", "Bytes", ""}) {
    const RegValue* original = hive.FindValue(RegRoot::LocalMachine, "A\\B", name);
    const RegValue* read = back.FindValue(RegRoot::LocalMachine, "A\\B", name);
    ASSERT_NE(read, nullptr) << name;
    EXPECT_EQ(read->type, original->type) << name;
    EXPECT_EQ(read->data, original->data) << name;
  }
  // A text with line breaks cannot stand on one line: it is kept as hex(1).
  EXPECT_NE(hive.Serialize().find("\"Lines\"=hex(1):6f,6e,65,0d,0a,74,77,6f,00\n"),
            std::string::npos);
}

TEST(RegHive, KeysAndValueNamesIgnoreCaseAndKeepTheCaseFirstWritten) {
  RegHive hive =
      ParseSystem("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Tolvane]\n\"LastW2Dir\"=\"a\"\n");
  EXPECT_TRUE(hive.KeyExists(RegRoot::LocalMachine, "SOFTWARE\\tolvane"));
  EXPECT_TRUE(hive.KeyExists(RegRoot::LocalMachine, "software"));  // implied by its subkey
  EXPECT_FALSE(hive.KeyExists(RegRoot::LocalMachine, "Software\\Tolvan"));
  EXPECT_FALSE(hive.KeyExists(RegRoot::CurrentUser, "Software"));
  ASSERT_NE(hive.FindValue(RegRoot::LocalMachine, "software\\TOLVANE", "lastw2dir"), nullptr);

  hive.SetValue(RegRoot::LocalMachine, "SOFTWARE\\TOLVANE", RegValue::String("LASTW2DIR", "b"));
  hive.SetValue(RegRoot::LocalMachine, "SOFTWARE\\TOLVANE\\Sub", RegValue::String("x", "y"));
  EXPECT_EQ(hive.Serialize(),
            "REGEDIT4\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane]\n\"LastW2Dir\"=\"b\"\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TOLVANE\\Sub]\n\"x\"=\"y\"\n\n");
}

TEST(RegHive, ListsDirectSubkeysOnceEvenWhenOnlyImplied) {
  const RegHive hive = ParseSystem(
      "REGEDIT4\n\n"
      "[HKEY_LOCAL_MACHINE\\Rates\\2002]\n"
      "[HKEY_LOCAL_MACHINE\\Rates\\1998\\Deep\\Deeper]\n"
      "[HKEY_LOCAL_MACHINE\\rates\\1998]\n"
      "[HKEY_LOCAL_MACHINE\\Other]\n");
  EXPECT_EQ(hive.SubKeyNames(RegRoot::LocalMachine, "Rates"),
            (std::vector<std::string>{"2002", "1998"}));
  EXPECT_EQ(hive.SubKeyNames(RegRoot::LocalMachine, ""),
            (std::vector<std::string>{"Rates", "Other"}));
  EXPECT_TRUE(hive.SubKeyNames(RegRoot::LocalMachine, "Rates\\2002").empty());
}

TEST(RegHive, NewKeysGoAfterTheirSiblings) {
  RegHive hive = ParseSystem(
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\R]\n\n[HKEY_LOCAL_MACHINE\\R\\1998]\n\n[HKEY_LOCAL_"
      "MACHINE\\Z]\n");
  hive.CreateKey(RegRoot::LocalMachine, "R\\2003");
  EXPECT_EQ(hive.Serialize(),
            "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\R]\n\n[HKEY_LOCAL_MACHINE\\R\\1998]\n\n"
            "[HKEY_LOCAL_MACHINE\\R\\2003]\n\n[HKEY_LOCAL_MACHINE\\Z]\n\n");
}

TEST(RegHive, ReadsContinuedHexAndTheOtherTextForms) {
  const RegHive hive = ParseSystem(
      "Windows Registry Editor Version 5.00\r\n"
      "\r\n"
      "[HKEY_LOCAL_MACHINE\\K]\r\n"
      "\"Wrapped\"=hex:01,02,\\\r\n"
      "  03,04\r\n"
      "\"Expand\"=hex(2):25,41,25,00\r\n"
      "\"Sz\"=hex(1):61,62,00\r\n"
      "\"Short\"=dword:1f\r\n"
      "\"Spaced\" = \"x\"\r\n");
  EXPECT_EQ(hive.UnreadableLineCount(), 0u);
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Wrapped")->data,
            std::string("\x01\x02\x03\x04"));
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Expand")->type, RegExpandSz);
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Expand")->data, "%A%");
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Sz")->type, RegSz);
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Sz")->data, "ab");
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Short")->data,
            std::string("\x1f\0\0\0", 4));
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Spaced")->data, "x");
}

TEST(RegHive, ContinuedBinaryDataMayHaveBlanksAroundTheEqualsSign) {
  const RegHive spaced = ParseSystem(
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"Wrapped\" = hex:01,02,\\\n  03\n\"Next\"=\"x\"\n");
  EXPECT_EQ(spaced.UnreadableLineCount(), 0u);
  ASSERT_NE(spaced.FindValue(RegRoot::LocalMachine, "K", "Wrapped"), nullptr);
  EXPECT_EQ(spaced.FindValue(RegRoot::LocalMachine, "K", "Wrapped")->data,
            std::string("\x01\x02\x03"));
}

TEST(RegHive, KeepsUnreadableLinesVerbatimInTheirPlace) {
  const std::string damaged =
      "; a comment the user wrote\n"
      "REGEDIT4\n"
      "\n"
      "[HKEY_LOCAL_MACHINE\\Good]\n"
      "\"Before\"=\"1\"\n"
      "\"Broken\"=\"no closing quote\n"
      "\"BadDword\"=dword:xyz\n"
      "\"TooLong\"=dword:123456789\n"
      "\"BadHex\"=hex:1,2g\n"
      "\"BadEscape\"=\"a\\qb\"\n"
      "\"Deleted\"=-\n"
      "garbage without equals\n"
      "\"After\"=\"2\"\n"
      "\n"
      "[HKEY_LOCAL_MACHINE\\Broken header\n"
      "\"Orphan\"=\"belongs to no readable key\"\n"
      "[-HKEY_LOCAL_MACHINE\\Deleted]\n"
      "[HKEY_CURRENT_USER\\Wrong hive]\n"
      "\"User\"=\"x\"\n"
      "[HKEY_LOCAL_MACHINE\\Empty\\\\Component]\n"
      "[HKEY_LOCAL_MACHINE\\Good]\n"
      "\"Merged\"=dword:00000001\n";
  RegHive hive = ParseSystem(damaged);
  EXPECT_EQ(hive.UnreadableLineCount(), 15u);
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "Good", "Before")->data, "1");
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "Good", "After")->data, "2");
  EXPECT_NE(hive.FindValue(RegRoot::LocalMachine, "Good", "Merged"), nullptr);
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "Good", "Broken"), nullptr);
  EXPECT_EQ(hive.ValueNames(RegRoot::LocalMachine, "Good"),
            (std::vector<std::string>{"Before", "After", "Merged"}));
  EXPECT_FALSE(hive.KeyExists(RegRoot::LocalMachine, "Broken header"));

  hive.SetValue(RegRoot::LocalMachine, "Good", RegValue::String("Before", "changed"));
  EXPECT_EQ(hive.Serialize(),
            "REGEDIT4\n"
            "\n"
            "; a comment the user wrote\n"
            "REGEDIT4\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Good]\n"
            "\"Before\"=\"changed\"\n"
            "\"Broken\"=\"no closing quote\n"
            "\"BadDword\"=dword:xyz\n"
            "\"TooLong\"=dword:123456789\n"
            "\"BadHex\"=hex:1,2g\n"
            "\"BadEscape\"=\"a\\qb\"\n"
            "\"Deleted\"=-\n"
            "garbage without equals\n"
            "\"After\"=\"2\"\n"
            "\"Merged\"=dword:00000001\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Broken header\n"
            "\"Orphan\"=\"belongs to no readable key\"\n"
            "\n"
            "[-HKEY_LOCAL_MACHINE\\Deleted]\n"
            "\n"
            "[HKEY_CURRENT_USER\\Wrong hive]\n"
            "\"User\"=\"x\"\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Empty\\\\Component]\n"
            "\n");
}

TEST(RegHive, AHiveCutOffMidLineKeepsEverythingBeforeTheCut) {
  const std::string full =
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"A\"=\"1\"\n\"B\"=hex:01,02,03\n\"C\"=dword:"
      "00000003\n";
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    const std::string text = full.substr(0, cut);
    RegHive hive = ParseSystem(text);
    if (cut > full.find("\"A\"=\"1\"\n") + 7) {
      ASSERT_NE(hive.FindValue(RegRoot::LocalMachine, "K", "A"), nullptr) << cut;
      EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "A")->data, "1") << cut;
    }
    // Whatever was there is written back: the readable values with their
    // data, the rest line for line.
    hive.SetValue(RegRoot::LocalMachine, "New", RegValue::Dword("N", 1));
    const RegHive back = ParseSystem(hive.Serialize());
    EXPECT_EQ(back.UnreadableLineCount(), hive.UnreadableLineCount()) << cut;
    EXPECT_EQ(back.Serialize(), hive.Serialize()) << cut;
    for (const std::string& name : hive.ValueNames(RegRoot::LocalMachine, "K")) {
      ASSERT_NE(back.FindValue(RegRoot::LocalMachine, "K", name), nullptr) << cut;
      EXPECT_EQ(back.FindValue(RegRoot::LocalMachine, "K", name)->data,
                hive.FindValue(RegRoot::LocalMachine, "K", name)->data)
          << cut;
    }
    if (hive.UnreadableLineCount() > 0) {
      const std::string lastLine = text.substr(text.rfind('\n', text.size() - 1) + 1);
      EXPECT_NE(back.Serialize().find(lastLine), std::string::npos) << cut;
    }
  }
}

TEST(RegHive, ALaterValueOfTheSameNameWins) {
  RegHive hive = ParseSystem("[HKEY_LOCAL_MACHINE\\K]\n\"A\"=\"first\"\n\"a\"=\"second\"\n");
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "A")->data, "second");
  hive.SetValue(RegRoot::LocalMachine, "K", RegValue::String("A", "third"));
  EXPECT_EQ(ParseSystem(hive.Serialize()).FindValue(RegRoot::LocalMachine, "K", "a")->data,
            "third");
}

// The last line of hex data ends in a backslash, but another value follows.
TEST(RegHive, ContinuationEndsWithItsValue) {
  const RegHive hive = ParseSystem(
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"Rate\"=hex:01,\\\n\"Top\"=dword:00000032\n");
  ASSERT_NE(hive.FindValue(RegRoot::LocalMachine, "K", "Top"), nullptr);
  EXPECT_EQ(hive.FindValue(RegRoot::LocalMachine, "K", "Top")->data, std::string("2\0\0\0", 4));
  EXPECT_EQ(hive.UnreadableLineCount(), 1u);  // the cut value, kept as it stands
  EXPECT_NE(hive.Serialize().find("\"Rate\"=hex:01,\\\n\"Top\""), std::string::npos);
}

TEST(RegHive, ReadsAUtf16ExportAndWritesItBackAsText) {
  const std::u16string exported =
      u"\uFEFFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\K]\r\n"
      u"\"Name\"=\"Jos\u00e9 "
      u"\U0001F600\"\r\n\"Path\"=hex(2):25,00,41,00,25,00,00,00\r\n\"Top\"=dword:00000032\r\n";
  std::string bytes;
  for (char16_t unit : exported) bytes += {char(unit & 0xFF), char(unit >> 8)};
  const RegHive hive = ParseSystem(bytes);
  EXPECT_EQ(hive.UnreadableLineCount(), 0u);
  EXPECT_EQ(hive.Serialize(),
            "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"Name\"=\"Jos\xC3\xA9 \xF0\x9F\x98\x80\"\n"
            "\"Path\"=hex(2):25,41,25,00\n\"Top\"=dword:00000032\n\n");
}

// Lines kept because they could not be read, ending in a backslash, stay
// what they were when a write elsewhere puts other lines after them.
TEST(RegHive, AKeptLineEndingInABackslashTakesNothingAfterAnUnrelatedWrite) {
  struct Row {
    const char* name;
    const char* text;
  } rows[] = {
      {"a cut hex value at the end of the file",
       "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"F\"=hex:01\\"},
      {"a blank line between it and a line of hex digits",
       "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"B\"=hex:zz,\\\n\nab,cd\n"},
      {"the same before the first key", "REGEDIT4\n\n\"B\"=hex:zz,\\\n\nab,cd\n"},
  };
  for (const Row& row : rows) {
    RegHive hive = ParseSystem(row.text);
    const std::size_t kept = hive.UnreadableLineCount();
    hive.SetValue(RegRoot::LocalMachine, "L", RegValue::String("New", "v"));
    const RegHive again = ParseSystem(hive.Serialize());
    EXPECT_EQ(again.UnreadableLineCount(), kept) << row.name;
    EXPECT_EQ(again.FindValue(RegRoot::LocalMachine, "K", "F"), nullptr) << row.name;
    EXPECT_EQ(ParseSystem(again.Serialize()).Serialize(), again.Serialize()) << row.name;
  }
}

// The heap a parsed hive holds (malloc's own count; the tests run on one
// thread). Each level of one deep key ("k\k\...\k") costs a few dozen bytes for
// its two bytes of text; with every ancestor's whole path kept, 20,000 levels took 488 MB.
TEST(RegHive, ADeepKeyHoldsMemoryInProportionToItsText) {
  const auto heap = [] { return mallinfo2().uordblks + mallinfo2().hblkhd; };
  for (const int levels : {20000, 40000}) {
    std::string path = "k";
    for (int i = 1; i < levels; ++i) path += "\\k";
    const std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + path + "]\n\"V\"=\"x\"\n";
    const std::size_t before = heap();
    const RegHive hive = ParseSystem(text);
    const std::size_t held = heap() - before;
    EXPECT_LT(held, 64 * text.size()) << levels << " levels hold " << held << " bytes";
    EXPECT_NE(hive.FindValue(RegRoot::LocalMachine, path, "V"), nullptr) << levels;
    EXPECT_TRUE(hive.KeyExists(RegRoot::LocalMachine, path.substr(0, levels - 1))) << levels;
  }
}

}  // namespace
