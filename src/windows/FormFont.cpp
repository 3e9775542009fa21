// SPDX-License-Identifier: MIT
#include "FormFont.h"

OwnedFont formFontAt(UINT dpi)
{
    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    LOGFONTW face {};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        face = metrics.lfMessageFont;
    else
        lstrcpynW(face.lfFaceName, L"MS Shell Dlg 2", LF_FACESIZE);
    face.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
    face.lfWidth = 0;
    return OwnedFont(CreateFontIndirectW(&face));
}

int lineHeightOf(HFONT font)
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}
