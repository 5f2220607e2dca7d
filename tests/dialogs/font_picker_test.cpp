// The font pickers on their own, attached to the edit dialog's template by
// a bare host dialog: the pair as the dialogs attach it, read through its
// combo boxes, and each picker attached alone, so that the tests reach its
// operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/dialog.h"
#include "common/win_handles.h"
#include "notes/dialogs/font_pickers.h"
#include "notes/dialogs/font_size_text.h"
#include "resources/zettrella_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

constexpr char kJapaneseFace[] = "ＭＳ ゴシック";
// A face whose name begins with letters that have a case.
constexpr char kLatinPrefixFace[] = "IPAゴシック";

// The pair attached as the dialogs attach it, or (alone) each picker
// attached by itself, the name list filled as the pair fills it.
class PickerHost : public ui::Dialog {
 public:
  explicit PickerHost(bool alone) : ui::Dialog(IDD_NOTE_EDIT, nullptr), alone_(alone) {}
  FontPickers fonts;
  FontNameCombo name;
  FontSizeCombo size;

 protected:
  BOOL OnInitDialog() override {
    if (!alone_) {
      fonts.Attach(hwnd(), IDC_EDIT_FONT_NAME, IDC_EDIT_FONT_SIZE);
      return TRUE;
    }
    name.Attach(hwnd(), IDC_EDIT_FONT_NAME);
    size.Attach(hwnd(), IDC_EDIT_FONT_SIZE);
    name.FillFontNames(SHIFTJIS_CHARSET);
    return TRUE;
  }

 private:
  bool alone_;
};

// Runs the host and calls check with it once it is up; then closes it.
void WithHost(bool alone, const std::function<void(PickerHost&, HWND)>& check) {
  PickerHost host(alone);
  RunDriven(host, [&](HWND hwnd) {
    check(host, hwnd);
    host.EndModal(IDCANCEL);
  });
}

void WithPickers(const std::function<void(HWND)>& check) {
  WithHost(false, [&](PickerHost&, HWND hwnd) { check(hwnd); });
}

void WithCombos(const std::function<void(PickerHost&, HWND)>& check) { WithHost(true, check); }

struct EnumeratedFaces {
  std::set<std::string> listable;  // what the name list should hold
  std::set<std::string> vertical;  // "@" faces the platform reports
};

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM param) {
  auto* faces = reinterpret_cast<EnumeratedFaces*>(param);
  if (type & RASTER_FONTTYPE) return 1;
  if (font->lfFaceName[0] == '@') {
    faces->vertical.insert(font->lfFaceName);
  } else if (font->lfCharSet != MAC_CHARSET) {
    faces->listable.insert(font->lfFaceName);
  }
  return 1;
}

TEST(FontNameComboTest, ListsTheShiftJisFontsWithoutVerticalFaces) {
  ASSERT_NE(GetSystemMetrics(SM_DBCSENABLED), 0) << "the tests run with code page 932";
  EnumeratedFaces faces;
  {
    WindowDc screen(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    EnumFontFamiliesExA(screen.get(), &wanted, reinterpret_cast<FONTENUMPROCA>(&CollectFace),
                        reinterpret_cast<LPARAM>(&faces), 0);
  }
  ASSERT_TRUE(faces.listable.count(kJapaneseFace)) << "the prefix maps the Japanese dialog fonts";
  WithPickers([&](HWND hwnd) {
    const std::vector<std::string> items = ComboItems(GetDlgItem(hwnd, IDC_EDIT_FONT_NAME));
    const std::set<std::string> listed(items.begin(), items.end());
    EXPECT_EQ(listed, faces.listable);
    EXPECT_EQ(items.size(), listed.size()) << "each face once";
    for (const std::string& item : items) EXPECT_NE(item.front(), '@') << item;
    for (const std::string& face : faces.vertical) EXPECT_FALSE(listed.count(face)) << face;
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
      return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    }));
  });
}

TEST(FontNameComboTest, FillingAgainKeepsTheTextAndFreesNothingTwice) {
  WithCombos([](PickerHost& host, HWND hwnd) {
    FontNameCombo& name = host.name;
    const auto count = SendMessageA(name.hwnd(), CB_GETCOUNT, 0, 0);
    name.SelectFontName(kJapaneseFace, FontNameCombo::kAnyCharset);
    name.FillFontNames(SHIFTJIS_CHARSET);
    EXPECT_EQ(SendMessageA(name.hwnd(), CB_GETCOUNT, 0, 0), count);
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_NAME), kJapaneseFace);
    LOGFONTA info{};
    EXPECT_NE(name.GetSelectedFont(&info), nullptr);
    EXPECT_STREQ(info.lfFaceName, kJapaneseFace);
  });
}

TEST(FontNameComboTest, SelectsTheItemOfAFaceOrShowsTheNameTyped) {
  WithCombos([](PickerHost& host, HWND hwnd) {
    FontNameCombo& name = host.name;
    HWND combo = name.hwnd();
    auto selectedText = [&]() {
      const auto selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
      return selected == CB_ERR ? std::string("<none>") : name.ItemString(selected);
    };

    name.SelectFontName(kJapaneseFace, SHIFTJIS_CHARSET);
    EXPECT_EQ(selectedText(), kJapaneseFace);
    name.SelectFontName(kLatinPrefixFace, FontNameCombo::kAnyCharset);
    EXPECT_EQ(selectedText(), kLatinPrefixFace);
    // The list ignores case, so another spelling still finds its item.
    name.SelectFontName("ipaゴシック", FontNameCombo::kAnyCharset);
    EXPECT_EQ(selectedText(), kLatinPrefixFace);

    // A mere prefix of several faces, and an unknown face: typed text only.
    for (const char* typed : {"IPA", "No Such Face"}) {
      name.SelectFontName(typed, FontNameCombo::kAnyCharset);
      EXPECT_EQ(selectedText(), "<none>") << typed;
      EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_NAME), typed);
    }
  });
}

TEST(FontNameComboTest, GetSelectedFontNamesTheListedFaceOrNone) {
  WithCombos([](PickerHost& host, HWND hwnd) {
    FontNameCombo& name = host.name;
    LOGFONTA info{};
    name.SelectFontName(kJapaneseFace, FontNameCombo::kAnyCharset);
    EXPECT_NE(name.GetSelectedFont(&info), nullptr);
    EXPECT_EQ(name.GetCurrentText(), kJapaneseFace);
    EXPECT_STREQ(info.lfFaceName, kJapaneseFace);
    EXPECT_EQ(info.lfCharSet, SHIFTJIS_CHARSET);

    // Typed in another case the face is still found (the list ignores case).
    Type(hwnd, IDC_EDIT_FONT_NAME, "ipaゴシック");
    EXPECT_NE(name.GetSelectedFont(&info), nullptr);
    EXPECT_EQ(name.GetCurrentText(), "ipaゴシック");
    EXPECT_STREQ(info.lfFaceName, kLatinPrefixFace);

    Type(hwnd, IDC_EDIT_FONT_NAME, "Unlisted");
    EXPECT_EQ(name.GetSelectedFont(&info), nullptr);
    EXPECT_EQ(name.GetCurrentText(), "Unlisted");
    EXPECT_STREQ(info.lfFaceName, "");
  });
}

// Draws item index of the name list into a white 200 x 20 bitmap and
// returns the pixels as COLORREFs, row by row.
std::vector<COLORREF> DrawnItem(HWND dialog, HWND combo, UINT index, UINT state) {
  constexpr int kW = 200, kH = 20;
  WindowDc screen(nullptr);
  UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), kW, kH));
  std::vector<COLORREF> pixels;
  SelectedObject selected(memory.get(), bitmap.get());
  RECT all{0, 0, kW, kH};
  FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkColor(memory.get(), RGB(255, 255, 255));
  SetTextColor(memory.get(), RGB(0, 0, 0));
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_COMBOBOX;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(combo));
  item.itemID = index;
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = state;
  item.hwndItem = combo;
  item.hDC = memory.get();
  item.rcItem = {0, 0, kW, 16};
  item.itemData = static_cast<ULONG_PTR>(SendMessageA(combo, CB_GETITEMDATA, index, 0));
  EXPECT_TRUE(SendMessageA(dialog, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) pixels.push_back(GetPixel(memory.get(), x, y));
  return pixels;
}

int CountDark(const std::vector<COLORREF>& pixels, int fromX, int toX) {
  int dark = 0;
  for (size_t i = 0; i < pixels.size(); ++i) {
    const int x = static_cast<int>(i % 200);
    const COLORREF c = pixels[i];
    if (x >= fromX && x < toX && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) ++dark;
  }
  return dark;
}

TEST(FontNameComboTest, DrawsTheTrueTypeMarkLeftOfTheText) {
  WithPickers([](HWND hwnd) {
    HWND combo = GetDlgItem(hwnd, IDC_EDIT_FONT_NAME);
    const auto index =
        SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(kJapaneseFace));
    ASSERT_NE(index, CB_ERR);
    const std::vector<COLORREF> plain = DrawnItem(hwnd, combo, static_cast<UINT>(index), 0);
    EXPECT_GT(CountDark(plain, 0, 16), 10) << "the mark";
    EXPECT_GT(CountDark(plain, 16, 200), 10) << "the text";

    // Selected: the highlight colour fills the item.
    const std::vector<COLORREF> selected = DrawnItem(hwnd, combo, static_cast<UINT>(index), ODS_SELECTED);
    EXPECT_EQ(selected[199], GetSysColor(COLOR_HIGHLIGHT));
  });
}

TEST(FontNameComboTest, DrawingNoItemLooksUpNothing) {
  WithPickers([](HWND hwnd) {
    HWND combo = GetDlgItem(hwnd, IDC_EDIT_FONT_NAME);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const std::vector<COLORREF> pixels = DrawnItem(hwnd, combo, static_cast<UINT>(-1), ODS_FOCUS);
    EXPECT_EQ(CountDark(pixels, 0, 200), 0);
  });
}

TEST(FontNameComboTest, ItemsAreAtLeast15PixelsHigh) {
  WithPickers([](HWND hwnd) {
    HWND combo = GetDlgItem(hwnd, IDC_EDIT_FONT_NAME);
    // The list draws its names in the stock GUI font, whose height on the
    // screen an item takes unless it is less than 15 pixels.
    TEXTMETRICA metrics{};
    {
      WindowDc screen(nullptr);
      SelectedObject selected(screen.get(), GetStockObject(DEFAULT_GUI_FONT));
      GetTextMetricsA(screen.get(), &metrics);
    }
    const int expected = std::max<int>(metrics.tmHeight, 15);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0), expected);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, 3, 0), expected);
  });
}

int CALLBACK FindRasterFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM param) {
  if ((type & RASTER_FONTTYPE) && !(type & TRUETYPE_FONTTYPE)) {
    *reinterpret_cast<std::string*>(param) = font->lfFaceName;
    return 0;
  }
  return 1;
}

TEST(FontSizeComboTest, RasterFaceOffersItsInstalledSizesInOrder) {
  std::string raster;
  WindowDc screen(nullptr);
  EnumFontFamiliesA(screen.get(), nullptr, reinterpret_cast<FONTENUMPROCA>(&FindRasterFace),
                    reinterpret_cast<LPARAM>(&raster));
  if (raster.empty()) GTEST_SKIP() << "no raster font in this prefix";
  WithCombos([&](PickerHost& host, HWND) {
    FontSizeCombo& size = host.size;
    size.FillSizes(screen.get(), raster.c_str());
    const std::vector<std::string> items = ComboItems(size.hwnd());
    ASSERT_FALSE(items.empty()) << raster;
    EXPECT_EQ(std::set<std::string>(items.begin(), items.end()).size(), items.size()) << "each size once";
    LRESULT previous = -1;
    for (size_t i = 0; i < items.size(); ++i) {
      const LRESULT twips = SendMessageA(size.hwnd(), CB_GETITEMDATA, i, 0);
      EXPECT_GT(twips, previous) << raster << " " << items[i];
      EXPECT_EQ(items[i], FormatTwips(static_cast<int32_t>(twips)));
      previous = twips;
    }
  });
}

TEST(FontSizeComboTest, InsertSizeKeepsAscendingOrderWithoutDuplicates) {
  WithCombos([](PickerHost& host, HWND) {
    FontSizeCombo& size = host.size;
    for (int32_t twips : {240, 160, 200, 160, 210, 1440, 195}) size.InsertSize(twips);
    EXPECT_EQ(ComboItems(size.hwnd()), (std::vector<std::string>{"8", "10", "10.5", "12", "72"}));
    // 195 shows as 10, which is listed already.
    EXPECT_EQ(SendMessageA(size.hwnd(), CB_GETITEMDATA, 1, 0), 200);
  });
}

TEST(FontSizeComboTest, EmptyFaceLeavesTheListEmpty) {
  WithCombos([](PickerHost& host, HWND) {
    FontSizeCombo& size = host.size;
    WindowDc screen(nullptr);
    size.FillSizes(screen.get(), kJapaneseFace);
    EXPECT_EQ(SendMessageA(size.hwnd(), CB_GETCOUNT, 0, 0), 16);
    size.FillSizes(screen.get(), "");
    EXPECT_EQ(SendMessageA(size.hwnd(), CB_GETCOUNT, 0, 0), 0);
  });
}

TEST(FontSizeComboTest, SetAndGetSizeTwips) {
  WithCombos([](PickerHost& host, HWND hwnd) {
    FontSizeCombo& size = host.size;
    size.SetSizeTwips(210);
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_SIZE), "10.5");
    EXPECT_EQ(SendMessageA(size.hwnd(), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(size.GetSizeTwips(), 210);
    Type(hwnd, IDC_EDIT_FONT_SIZE, " 12 ");
    EXPECT_EQ(size.GetSizeTwips(), 240);
    for (const char* typed : {"12pt", "", "-3", "9e99"}) {
      Type(hwnd, IDC_EDIT_FONT_SIZE, typed);
      EXPECT_EQ(size.GetSizeTwips(), 210) << typed;
    }
  });
  WithPickers([](HWND hwnd) {
    // The edit fields take at most 4 and 32 characters.
    COMBOBOXINFO sizeParts{}, nameParts{};
    sizeParts.cbSize = nameParts.cbSize = sizeof sizeParts;
    GetComboBoxInfo(GetDlgItem(hwnd, IDC_EDIT_FONT_SIZE), &sizeParts);
    GetComboBoxInfo(GetDlgItem(hwnd, IDC_EDIT_FONT_NAME), &nameParts);
    EXPECT_EQ(SendMessageA(sizeParts.hwndItem, EM_GETLIMITTEXT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(nameParts.hwndItem, EM_GETLIMITTEXT, 0, 0), 32);
  });
}

}  // namespace
}  // namespace zettrella::testing
