#include "form/form_model.h"

#include <utility>

namespace halvane {

namespace {

const std::vector<std::string>& MarkerKindItems() {
  static const std::vector<std::string> items = {
      "\x90\xfc\x96\xee\x88\xf3" /* 線矢印 */,
      "\x81\xa2" /* △ */,
      "\x81\xa0" /* □ */,
      "\x82\x6e" /* Ｏ */,
      "\x81\x9b" /* ○ */,
      "\x81\xa1" /* ■ */,
      "\x81\xa3" /* ▲ */,
      "\x81\x9c" /* ● */,
      "\x81\x60" /* ～ */,
      "\x81\x84" /* ＞ */,
      "\x81\x5e" /* ／ */,
      "\x81\xa2" /* △ */,
  };
  return items;
}

EditControl MakeEdit(const char* text, int max_length, bool ime_off = true) {
  EditControl edit;
  edit.Text = text;
  edit.MaxLength = max_length;
  edit.ImeOff = ime_off;
  return edit;
}

RadioControl MakeRadio(const char* caption, std::vector<std::string> items,
                       int index) {
  RadioControl radio;
  radio.Caption = caption;
  radio.Items = std::move(items);
  radio.ItemIndex = index;
  return radio;
}

CheckControl MakeCheck(const char* caption) {
  CheckControl check;
  check.Caption = caption;
  return check;
}

}  // namespace

TForm1::TForm1() {
  ComboBox1.Items = MarkerKindItems();
  ComboBox1.ItemIndex = 0;
  ComboBox2.Items = MarkerKindItems();
  ComboBox2.ItemIndex = 0;
  // The text-type list is filled when the form is shown.
  ComboBox3.ItemIndex = -1;
  ComboBox4.Items = {"1",       "0.1",      "0.01",      "0.001",     "0.0001",
                     "0.00001", "0.000001", "0.0000001", "0.00000001"};
  ComboBox4.ItemIndex = 3;
  ComboBox5.Items = {
      "\x90\xd8\x82\xe8\x8e\xcc\x82\xc4" /* 切り捨て */,
      "\x90\xd8\x82\xe8\x8f\xe3\x82\xb0" /* 切り上げ */,
      "\x8e\x6c\x8e\xcc\x8c\xdc\x93\xfc" /* 四捨五入 */,
  };
  ComboBox5.ItemIndex = 2;

  Edit7 = MakeEdit("3", 8);
  Edit8 = MakeEdit("15", 8);
  Edit1 = MakeEdit("1", 16);
  Edit2 = MakeEdit("", 32, false);
  Edit3 = MakeEdit("", 32, false);
  Edit4 = MakeEdit("0.5", 16);
  Edit5 = MakeEdit("2", 16);
  Edit6 = MakeEdit("2", 16);
  Edit9 = MakeEdit("2", 16);

  RadioGroup1 = MakeRadio(
      "\x8f\xac\x90\x94\x93\x5f\x88\xc8\x89\xba\x82\xcc\x82\x4f\x95\x5c\x8e"
      "\xa6" /* 小数点以下の０表示 */,
      {"\x96\xb3" /* 無 */, "\x97\x4c" /* 有 */}, 0);
  RadioGroup2 = MakeRadio(
      "\x90\xa1\x96\x40\x92\x6c\x82\xcc\x92\x50\x88\xca" /* 寸法値の単位 */,
      {"mm", "\x82\x8d" /* ｍ */}, 0);

  CheckBox1 = MakeCheck(
      "\x82\x52\x8c\x85\x96\x88\x83\x4a\x83\x93\x83\x7d\x95\x74\x89\xc1"
      /* ３桁毎カンマ付加 */);
  CheckBox2 = MakeCheck("\x92\x50\x88\xca\x82\xcc\x95\x74\x89\xc1"
                        /* 単位の付加 */);
  CheckBox3 =
      MakeCheck("\x90\xa1\x96\x40\x92\x6c\x82\xf0\x91\x53\x8a\x70\x89\xbb"
                /* 寸法値を全角化 */);
  CheckBox4 = MakeCheck("\x90\xa1\x96\x40\x90\x7d\x8c\x60\x89\xbb"
                        /* 寸法図形化 */);

  LabelA1 = "\x81\x40" /* full-width space */;
}

const char* ControlName(ControlId id) {
  switch (id) {
    case ControlId::ComboBox1:
      return "ComboBox1";
    case ControlId::ComboBox2:
      return "ComboBox2";
    case ControlId::Edit7:
      return "Edit7";
    case ControlId::Edit8:
      return "Edit8";
    case ControlId::Edit1:
      return "Edit1";
    case ControlId::ComboBox3:
      return "ComboBox3";
    case ControlId::Edit2:
      return "Edit2";
    case ControlId::Edit3:
      return "Edit3";
    case ControlId::ComboBox4:
      return "ComboBox4";
    case ControlId::ComboBox5:
      return "ComboBox5";
    case ControlId::RadioGroup1:
      return "RadioGroup1";
    case ControlId::RadioGroup2:
      return "RadioGroup2";
    case ControlId::CheckBox1:
      return "CheckBox1";
    case ControlId::CheckBox2:
      return "CheckBox2";
    case ControlId::CheckBox3:
      return "CheckBox3";
    case ControlId::CheckBox4:
      return "CheckBox4";
    case ControlId::Edit4:
      return "Edit4";
    case ControlId::Edit5:
      return "Edit5";
    case ControlId::Edit6:
      return "Edit6";
    case ControlId::Edit9:
      return "Edit9";
    case ControlId::Button1:
      return "Button1";
    case ControlId::Button2:
      return "Button2";
    case ControlId::Memo1:
      return "Memo1";
    case ControlId::LabelA1:
      return "LabelA1";
  }
  return "";
}

}  // namespace halvane
