#pragma once
// Installs the translators that match Lang_Flag: none for English; ours and Qt's own for Chinese, so
// that standard buttons follow the language too.
void Install_Language();
