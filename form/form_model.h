// The dialog's state as plain data, and the few things the dialog asks of the
// window toolkit. The OK command, the settings file and the run sequence work
// on this model only; the Win32 dialog copies it to and from its controls,
// and tests drive it through a fake toolkit.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "dimension/dimension_options.h"
#include "form/exchange_run.h"
#include "form/preview_scene.h"
#include "util/file_reading.h"
#include "util/native_path.h"

namespace halvane {

// Every control of the dialog, in tab order, then the status label. The
// controls are described in form/form_controls.cpp.
enum class ControlId {
  StartMarker,
  EndMarker,
  ArrowLength,
  ArrowAngle,
  MarkerScale,
  TextType,
  Prefix,
  Suffix,
  Precision,
  Rounding,
  ZeroDisplay,
  Unit,
  Separators,
  UnitSuffix,
  FullWidth,
  AsFigure,
  ValueDistance,
  ExtensionGap,
  ExtensionOvershoot,
  ReverseOvershoot,
  Ok,
  Cancel,
  Help,
  Preview,
  Status,
};

inline constexpr int kControlCount = static_cast<int>(ControlId::Status) + 1;

// All texts are Shift-JIS bytes.
struct ListControl {
  std::vector<std::string> Items;
  int ItemIndex = -1;  // -1: no selection
};

struct EditControl {
  std::string Text;
  int MaxLength = 0;  // in Shift-JIS bytes
};

struct RadioControl {
  std::string Caption;
  std::vector<std::string> Items;
  int ItemIndex = -1;
};

struct CheckControl {
  std::string Caption;
  bool Checked = false;
};

// What the form needs from the window toolkit.
class FormToolkit {
 public:
  virtual ~FormToolkit() = default;
  virtual void SetFocus(ControlId control) = 0;
  // Modal message box with a single OK button; text in Shift-JIS.
  virtual void ShowMessage(std::string_view text) = 0;
  // Paints the status label with the form's StatusText at once.
  virtual void RepaintStatus() = 0;
  // Paints the preview pane with the form's Preview at once.
  virtual void RepaintPreview() = 0;
  // Closes the dialog; the toolkit then runs FormClose.
  virtual void Close() = 0;
  virtual void GetPosition(int& left, int& top) = 0;
  virtual void MoveTo(int left, int top) = 0;
  // Full path of the running program, from which the program folder is taken.
  virtual NativePath ExecutablePath() = 0;
};

class TForm1 {
 public:
  // Every control with its initial value from the control table.
  TForm1();

  void SetToolkit(FormToolkit* toolkit) { toolkit_ = toolkit; }
  FormToolkit& Toolkit() { return *toolkit_; }

  // Event handlers.
  void FormShow();
  void FormClose();
  void OkClick();
  void CancelClick();
  // After any control changed: works out the preview and repaints it. Does
  // nothing while the form is being filled or before it is shown.
  void ApplyLive();
  bool Live() const { return run_open_ && filling_ == 0; }

  void LoadSettings(const NativePath& path);
  void SaveSettings(const NativePath& path);

  // The controls' values, each filled from its row of the control table.
  ListControl StartMarker, EndMarker;   // end marker kinds
  EditControl ArrowLength, ArrowAngle;  // of a line arrow
  EditControl MarkerScale;              // of the point markers
  ListControl TextType;                 // of the value
  EditControl Prefix, Suffix;           // around the value
  ListControl Precision, Rounding;      // of the value
  RadioControl ZeroDisplay, Unit;       // of the value
  CheckControl Separators, UnitSuffix, FullWidth, AsFigure;
  EditControl ValueDistance, ExtensionGap, ExtensionOvershoot, ReverseOvershoot;
  std::string StatusText;
  PreviewScene Preview;

  // The command the batch file chose; the settings are the same for all.
  DimensionDirection Direction = DimensionDirection::Horizontal;
  int SavedLeft = 100;
  int SavedTop = 100;
  // The executable's folder with a trailing delimiter; set by FormShow.
  NativePath ProgramFolder;
  // Why the last SaveSettings or the write-back of JWC_TEMP.TXT by FormClose
  // failed; empty when it succeeded. The dialog shows neither, as the host
  // expects; the headless runner reports them.
  std::error_code SettingsError;
  std::error_code ExchangeFileError;
  // Set by FormShow when JWC_TEMP.TXT is there but cannot be read; the run
  // then ends before the dialog opens and writes nothing.
  std::optional<ReadFailure> ExchangeReadFailure;

  ExchangeRun& Run() { return *exchange_; }
  const ExchangeRun& Run() const { return *exchange_; }

 private:
  FormToolkit* toolkit_ = nullptr;
  // Held apart so that a form can be moved; never empty but when moved from.
  std::unique_ptr<ExchangeRun> exchange_ = std::make_unique<ExchangeRun>();
  // True from FormShow to FormClose: the exchange data of this run is live.
  // Keeps a toolkit that shows or closes twice from reading or writing twice.
  bool run_open_ = false;
  // The host's file is left as it is: the run ended before the dialog opened.
  bool keep_host_file_ = false;
  int filling_ = 0;  // FormFilling guards now open
  friend class FormFilling;
};

// While one lives, the controls are being written from the model, and the
// changes they report are not the user's.
class FormFilling {
 public:
  explicit FormFilling(TForm1& form) : form_(form) { ++form_.filling_; }
  ~FormFilling() { --form_.filling_; }
  FormFilling(const FormFilling&) = delete;
  FormFilling& operator=(const FormFilling&) = delete;

 private:
  TForm1& form_;
};

}  // namespace halvane
