// The text-type list that FormShow builds from the exchange file's text types.
#pragma once

#include <cstdint>
#include <string>

#include "exchange/exchange_data.h"
#include "form/form_model.h"
#include "util/file_reading.h"

namespace halvane {

// "現在の文字種(Free)" for 0, otherwise "現在の文字種(No<n>)".
std::string CurrentTextTypeItem(int32_t host_text_type);
// "No<k>: W<w> H<h> D<d>".
std::string TextTypeItem(int k, const TJwwTextType& type);
// The message for a host file without some of the points 1 to 4; empty when
// all four are there.
std::string MissingPointsMessage(const ExchangeData& data);
// "JWC_TEMP.TXT を読み込めません（<reason>）".
std::string UnreadableFileMessage(ReadFailure why);
// Clears `list` and gives it the eleven items, nothing selected.
void FillTextTypeList(ListControl& list, const ExchangeData& data);

}  // namespace halvane
