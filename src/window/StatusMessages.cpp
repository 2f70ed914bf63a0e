#include "window/StatusMessages.h"

namespace qz7t {

QString LoadingMessage() { return QStringLiteral("LOAD中"); }
QString DisplayedMessage() { return QStringLiteral("表示完了"); }
QString UpdatedMessage() { return QStringLiteral("更新完了"); }
QString NothingLoadedMessage() { return SaveResultMessage(SaveResult::NothingLoaded); }

QString LoadResultMessage(LoadResult result)
{
    switch (result) {
    case LoadResult::Loaded: return QStringLiteral("読み込み完了");
    case LoadResult::NoFileSelected: return QStringLiteral("ファイル未選択");
    case LoadResult::ReadFailed: return QStringLiteral("読み込み失敗");
    case LoadResult::FileTooLarge: return QStringLiteral("ファイルが大きすぎます");
    case LoadResult::UnsupportedRom: return QStringLiteral("対応していないROMです");
    }
    return {};
}

QString SaveResultMessage(SaveResult result)
{
    switch (result) {
    case SaveResult::Saved: return QStringLiteral("書き込み完了");
    case SaveResult::NothingLoaded: return QStringLiteral("先にLOADしてください");
    case SaveResult::NoFileSelected: return QStringLiteral("ファイル未選択");
    case SaveResult::WriteFailed: return QStringLiteral("書き込み失敗");
    }
    return {};
}

QString CellRefusalMessage(CellRefusalReason reason)
{
    switch (reason) {
    case CellRefusalReason::InvalidNumber: return QStringLiteral("数値が不正です");
    case CellRefusalReason::Above255: return QStringLiteral("255を超えます");
    case CellRefusalReason::Below0: return QStringLiteral("0未満になります");
    }
    return {};
}

QString RevLimitStepMessage(RevLimitStep step)
{
    return step == RevLimitStep::Stepped ? UpdatedMessage() : QStringLiteral("範囲外です");
}

}  // namespace qz7t
