#include "manager/frmcust_layout.h"

namespace kl {
namespace {

ControlLayout Control(const char* name, ControlKind kind, int left, int top, int width, int height,
                    const char* caption, int tabOrder) {
  ControlLayout control{};
  control.name = name;
  control.kind = kind;
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.caption = caption;
  control.tabOrder = tabOrder;
  return control;
}

ControlLayout Label(const char* name, int left, int top, int width, int height, const char* caption) {
  return Control(name, ControlKind::Label, left, top, width, height, caption, kNoTabStop);
}

ControlLayout Edit(const char* name, int left, int top, int width, int height, int tabOrder) {
  return Control(name, ControlKind::Edit, left, top, width, height, "", tabOrder);
}

ControlLayout Button(const char* name, int left, int top, int width, int height, const char* caption,
                   int tabOrder) {
  return Control(name, ControlKind::Button, left, top, width, height, caption, tabOrder);
}

ControlLayout Combo(const char* name, int left, int top, int width, int height, int tabOrder, ComboStyle style,
                  std::vector<std::string> items = {}) {
  ControlLayout control = Control(name, ControlKind::ComboBox, left, top, width, height, "", tabOrder);
  control.comboStyle = style;
  control.items = std::move(items);
  return control;
}

FormLayout MakeLayout() {
  ControlLayout lavTest = Label("LavTest", 136, 87, 6, 12, "");
  lavTest.bold = true;
  lavTest.autoSize = true;
  return FormLayout{
      "Kolbra",
      367,
      146,
      "ＭＳ Ｐゴシック",
      12,
      {
          Label("Label1", 8, 11, 36, 12, "拡張子"),
          Label("Label2", 9, 37, 52, 12, "実行ﾌｧｲﾙ"),
          Label("Label3", 9, 61, 43, 12, "ｷｬﾌﾟｼｮﾝ"),
          Label("Label4", 241, 11, 36, 12, "ﾌﾟﾘｾｯﾄ"),
          lavTest,
          Label("Label5", 13, 121, 24, 12, "解除"),
          Edit("EdtExt", 67, 8, 55, 20, 0),
          Edit("EdtExe", 66, 33, 238, 20, 2),
          Button("ButAdd", 239, 84, 63, 24, "追加", 7),
          Combo("ComboBox1", 283, 7, 76, 20, 13, ComboStyle::DropDownList, {"Word", "Vimra", "PhotoShop"}),
          Button("ButExtract", 126, 8, 50, 20, "EXE摘出", 1),
          Combo("CmbCaption", 65, 59, 240, 20, 4, ComboStyle::DropDown),
          Button("ButRefresh", 308, 59, 50, 20, "ﾘﾌﾚｯｼｭ", 5),
          Button("ButKlrun", 164, 117, 64, 23, "klrun設定", 10),
          Combo("CmbExt", 41, 118, 53, 20, 8, ComboStyle::DropDownList),
          Button("ButRelease", 98, 118, 47, 21, "解除", 9),
          Button("ButUnklrun", 234, 117, 64, 23, "klrun解除", 11),
          Button("ButBrowse", 307, 33, 50, 20, "参照...", 3),
          Button("ButTest", 65, 84, 64, 19, "ﾄﾞﾗｯｸﾞﾃｽﾄ", 6),
          Button("Button1", 306, 112, 54, 28, "閉じる", 12),
      },
  };
}

}  // namespace

const FormLayout& FrmcustLayout() {
  static const FormLayout layout = MakeLayout();
  return layout;
}

OpenDialogOptions OpenDialog1Layout() { return OpenDialogOptions{"*.EXE|*.EXE", true, true}; }

}  // namespace kl
