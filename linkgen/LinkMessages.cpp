#include "linkgen/LinkMessages.h"

namespace mirevo {

std::string_view LinkMessageText(LinkMessage message) {
    switch (message) {
        case LinkMessage::M1:
            return "「設定」 から 「a8mat」 を入力してください。";
        case LinkMessage::M2:
            return "「リンク先URL」 が正しく入力されていません。";
        case LinkMessage::M3:
            return "「リンク先URL」 と 「リンク対象テキスト」 が正しく入力されていません。";
        case LinkMessage::M4:
            return "「リンク対象テキスト」 が正しく入力されていません。";
        case LinkMessage::M5:
            return "「リンク先URL」 と 「掲載画像URL」 が正しく入力されていません。";
        case LinkMessage::M6:
            return "「掲載画像URL」 が正しく入力されていません。";
        case LinkMessage::M7:
            return "「リンク先URL」 と 「リンク対象テキスト」 と 「掲載画像URL」 "
                   "が正しく入力されていません。";
        case LinkMessage::M8:
            return "「リンク対象テキスト」 と 「掲載画像URL」 が正しく入力されていません。";
        case LinkMessage::InternalError:
            return "error";
    }
    return "error";
}

MessageChannel ChannelOf(LinkMessage message) {
    return message == LinkMessage::InternalError ? MessageChannel::PlainDialog
                                                 : MessageChannel::WarningBox;
}

}  // namespace mirevo
