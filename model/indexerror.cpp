#include "indexerror.h"

IndexError::IndexError()
    : std::runtime_error("インデックスが有効範囲にありません。")
{ }
