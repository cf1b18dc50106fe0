# Facts about the program for its packages, installers and software
# centres, each stated once; the version and its date come from
# CHANGELOG.md, the maker from the top-level CMakeLists.txt. Read by the
# Linux and the Windows builds alike.
set(WAVE_NAME "Wave Calculator")
set(WAVE_NAME_ZH "波浪测算器")
set(WAVE_LICENSE LicenseRef-proprietary)
set(wave_license_text
    " Copyright (c) Quorvane. All rights reserved.\n"
    " .\n"
    " This program may be used as distributed. Copying, changing or\n"
    " redistributing it needs the written permission of Quorvane.")
string(JOIN "" wave_license_text ${wave_license_text})
set(WAVE_SUMMARY "Project Elliott-wave turning points from the first leg")
set(WAVE_SUMMARY_ZH "由第一浪推算艾略特波浪各转折点的价格")
# Wrapped for the package's description; the metainfo reflows it.
set(WAVE_ABOUT [=[
Type the start and the end of the first leg of a market move, and the
calculator projects the price of every later turning point from fixed
ratios, each shown beside its point on a chart.]=])
set(WAVE_ABOUT_ZH
    "输入行情第一段的起点和终点，程序按固定比例推算其后每个转折点的价格，并显示在图中对应的点旁。")
set(wave_features
    "A rising five-wave impulse, with an extended wave-3 target and a\nre-projection once wave 3 runs past its high"
    "A falling a-b-c correction, with an extended wave-c target"
    "Every result can be copied, and each shows the rule that produced it")
set(wave_features_zh
    "上升5浪：含浪(3)延伸目标，实际浪(3)大于测算高点时可调整"
    "下跌3浪：含c浪延伸目标"
    "所有结果可复制，每个结果都可查看其测算公式")
