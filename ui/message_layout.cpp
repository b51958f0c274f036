#include "ui/message_layout.h"

#include <algorithm>
#include <cstdint>

namespace halvane {

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 12;  // between the icon and the text, the text and OK

// Centred on first..end, then kept inside area_first..area_end.
int Centred(int size, std::int64_t first, std::int64_t end,
            std::int64_t area_first, std::int64_t area_end) {
  const std::int64_t wanted = first + (end - first - size) / 2;
  return static_cast<int>(
      std::max(area_first, std::min(wanted, area_end - size)));
}

}  // namespace

MessageLayout LayOutMessage(PixelSize text, PixelSize icon) {
  const int body = std::max(text.Height, icon.Height);
  const int text_left = kMargin + icon.Width + kGap;
  const int text_top = kMargin + (body - text.Height) / 2;
  const int icon_top = kMargin + (body - icon.Height) / 2;
  const int width = std::max(text_left + text.Width + kMargin,
                             kMessageButton.Width + 2 * kMargin);
  const int button_top = kMargin + body + kGap;
  const int button_left = (width - kMessageButton.Width) / 2;
  MessageLayout layout;
  layout.Icon = {kMargin, icon_top, kMargin + icon.Width,
                 icon_top + icon.Height};
  layout.Text = {text_left, text_top, text_left + text.Width,
                 text_top + text.Height};
  layout.Button = {button_left, button_top, button_left + kMessageButton.Width,
                   button_top + kMessageButton.Height};
  layout.Client = {width, button_top + kMessageButton.Height + kMargin};
  return layout;
}

ScreenPoint CentredPosition(PixelSize size, const ScreenRect& around,
                            const ScreenRect& work_area) {
  return {Centred(size.Width, around.Left, around.Right, work_area.Left,
                  work_area.Right),
          Centred(size.Height, around.Top, around.Bottom, work_area.Top,
                  work_area.Bottom)};
}

}  // namespace halvane
