// resource.h - numeric identifiers of the resources of VXDrvFontTool.exe.
//
// Plain #defines only, so that this header serves the resource compiler and
// C++ alike. Each number is named once. A few names are deliberate aliases of
// another name (they say so); they share the number by design, not by chance.
//
// Control IDs are unique within the dialog that holds them. The three setting
// pages are separate dialogs, and their control numbers overlap between pages
// (for example 1343 is the origin Y edit of the 1D barcode page and the
// alignment list of the character font page). Each page therefore has its own
// block of names with its own prefix; never use a name of one page on another.
//
// Blocks are introduced by a line "// ---- <block> ----" so that tools can
// check for duplicate numbers block by block.

#ifndef VXDRVFONTTOOL_RESOURCE_H
#define VXDRVFONTTOOL_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---- dialog templates ----
#define IDD_ABOUTBOX                    100  // version box
#define IDD_PAGE_BARCODE                101  // built-in 1D barcode page
#define IDD_MAIN                        102  // main window
#define IDD_PRINTER_SELECT              152  // printer selection
#define IDD_PAGE_FONT                   205  // built-in character font page
#define IDD_PAGE_CODE2D                 219  // built-in 2D code page
#define IDD_PREVIEW                     230  // the modeless preview window
#define IDD_HISTORY                     240  // earlier versions of the file: restore and compare

// ---- menu and accelerators ----
// The menu bar and the accelerator table share resource number 142.
#define IDR_MAINMENU                    142
#define IDR_MAIN_ACCELERATORS           IDR_MAINMENU  // alias: same number, resource type ACCELERATORS
#define IDR_PREVIEW_KEYS                231  // the preview window's zoom keys

// ---- bitmaps and icon ----
#define IDB_TOOLBAR                     150  // toolbar strip: save, choose printer driver (16x16 cells)
#define IDB_MENU_SAVE                   161  // menu bitmap beside "設定の保存"
#define IDB_MENU_FONT                   167  // menu bitmap beside "内蔵フォント"
#define IDB_TEST_LABEL                  191  // test label image for the test print (DIB)
#define IDB_MENU_BARCODE                192  // menu bitmap beside "内蔵１次元コード"
#define IDB_MENU_PRINTER                193  // menu bitmap beside "プリンタドライバの選択"
#define IDB_TAB_IMAGES                  196  // tab image strip: 1D, 2D, font (16x16 cells, key colour RGB 192,192,192)
#define IDB_MENU_CODE2D                 217  // menu bitmap beside "内蔵２次元コード"
#define IDI_APP                         198  // application icon (16x16 and 32x32)

// ---- menu and accelerator commands ----
#define ID_HELP_ABOUT                   16     // "バージョン情報(&A)..."
#define ID_RESERVED_CTRL_O              32781  // Ctrl+O, no action
#define ID_FILE_SAVE                    32782  // "設定の保存(&S)...", Ctrl+S
#define ID_FILE_EXIT                    32783  // "終了(&X)", Alt+F4 via the system menu
#define ID_RESERVED_CTRL_W              32784  // Ctrl+W, no action
#define ID_FACTORY_SETTINGS             32785  // Ctrl+I
#define ID_FILE_CHOOSE_PRINTER          32798  // "プリンタドライバの選択(&C)...", Ctrl+C
#define ID_SHOW_PAGE_BARCODE            32801  // "内蔵１次元コード(&P)", Ctrl+P
#define ID_HELP_CONTENTS                32806  // "ヘルプ(F1)", F1
#define ID_SHOW_PAGE_FONT               32816  // "内蔵フォント(&K)", Ctrl+K
#define ID_RESERVED_CTRL_A              32817  // Ctrl+A, no action
#define ID_TEST_PRINT                   32818  // Ctrl+T
#define ID_RESERVED_CTRL_H              32819  // Ctrl+H, no action
#define ID_RESERVED_CTRL_G              32822  // Ctrl+G, no action
#define ID_SHOW_PREVIEW                 32827  // "プレビュー(&V)...", Ctrl+R
#define ID_SHOW_PAGE_CODE2D             32826  // "内蔵２次元コード(&Q)", Ctrl+Q
#define ID_FILE_RESTORE_HISTORY         32840  // "以前の設定に戻す(&R)..."
#define ID_FILE_SAVE_SHEET              32841  // "設定一覧を保存(&L)..."
#define ID_PREVIEW_ZOOM_IN              32830  // preview: Ctrl+plus
#define ID_PREVIEW_ZOOM_OUT             32831  // preview: Ctrl+minus
#define ID_PREVIEW_TRUE_SIZE            32832  // preview: Ctrl+0

// ---- toolbar buttons and their tooltip strings ----
// A toolbar button's tooltip is the string resource whose number is the
// button's command, so the string IDs are aliases of the button commands.
#define ID_TOOLBAR_SAVE                 2000
#define ID_TOOLBAR_CHOOSE_PRINTER       2001
#define ID_TOOLBAR_PREVIEW              2002
#define IDS_TOOLTIP_SAVE                ID_TOOLBAR_SAVE            // alias: "設定値の保存"
#define IDS_TOOLTIP_CHOOSE_PRINTER      ID_TOOLBAR_CHOOSE_PRINTER  // alias: "プリンタドライバの選択"
#define IDS_TOOLTIP_PREVIEW             ID_TOOLBAR_PREVIEW         // alias: "プレビュー"
#define ID_TOOLBAR_TOOLTIP_FIRST        ID_TOOLBAR_SAVE  // alias: first command for which the toolbar supplies a tooltip
#define ID_TOOLBAR_TOOLTIP_LAST         2007  // last command for which the toolbar supplies a tooltip

// ---- main window controls (dialog 102) ----
#define IDC_MAIN_TAB                    1000
#define IDC_MAIN_STATUSBAR              2015
#define IDC_MAIN_TOOLBAR                2016

// ---- printer selection controls (dialog 152) ----
#define IDC_PRINTER_LIST                1069

// ---- 1D barcode page controls (dialog 101) ----
#define IDC_BC_FONT_NAME                1357  // "バーコードフォント名"
#define IDC_BC_TYPE                     1356  // "バーコード種別"
#define IDC_BC_ORIGIN_X                 1067  // "基点X座標", x0.1mm
#define IDC_BC_ORIGIN_X_SPIN            1061
#define IDC_BC_ORIGIN_X_AUTO            1351  // "自動"
#define IDC_BC_ORIGIN_Y                 1343  // "基点Y座標", x0.1mm
#define IDC_BC_ORIGIN_Y_SPIN            1350
#define IDC_BC_ORIGIN_Y_AUTO            1352  // "自動"
#define IDC_BC_NARROW_BAR               1317  // "細バー幅", dots
#define IDC_BC_NARROW_BAR_SPIN          1318
#define IDC_BC_NARROW_SPACE             1319  // "細スペース幅", dots
#define IDC_BC_NARROW_SPACE_SPIN        1320
#define IDC_BC_WIDE_BAR                 1321  // "太バー幅", dots
#define IDC_BC_WIDE_BAR_SPIN            1322
#define IDC_BC_WIDE_SPACE               1323  // "太スペース幅", dots
#define IDC_BC_WIDE_SPACE_SPIN          1324
#define IDC_BC_CHAR_GAP                 1325  // "キャラクタ間幅", dots
#define IDC_BC_CHAR_GAP_SPIN            1326
#define IDC_BC_GUARD_BAR                1331  // "ガードバーの長さ", x0.1mm
#define IDC_BC_GUARD_BAR_SPIN           1332
#define IDC_BC_CHECK_DIGIT              1335  // "チェックデジット"
#define IDC_BC_RSS_VERSION              1340  // "RSSバージョン"
#define IDC_BC_AUTO_SWITCH              1341  // "自動切り替え"
#define IDC_BC_MODULE_WIDTH             1344  // "1モジュール幅", dots
#define IDC_BC_HEIGHT                   1345  // "バーコード高さ", x0.1mm
#define IDC_BC_ROTATION                 1346  // "回転方向"
#define IDC_BC_HUMAN_READABLE           1347  // "バー下付き文字"
#define IDC_BC_START_STOP               1348  // "スタート／ストップコード"
#define IDC_BC_ZERO_SUPPRESS            1349  // "ゼロサプレス", digits
#define IDC_BC_MODULE_WIDTH_SPIN        1353
#define IDC_BC_HEIGHT_SPIN              1354
#define IDC_BC_ZERO_SUPPRESS_SPIN       1355

// ---- 2D code page controls (dialog 219) ----
#define IDC_CODE2D_FONT_NAME            1359  // "バーコードフォント名"
#define IDC_CODE2D_TYPE                 1358  // "2次元コード種別"
#define IDC_CODE2D_ORIGIN_X             1357  // "基点X座標", x0.1mm
#define IDC_CODE2D_ORIGIN_X_SPIN        1314
#define IDC_CODE2D_ORIGIN_X_AUTO        1333  // "自動"
#define IDC_CODE2D_ORIGIN_Y             1315  // "基点Y座標", x0.1mm
#define IDC_CODE2D_ORIGIN_Y_SPIN        1316
#define IDC_CODE2D_ORIGIN_Y_AUTO        1334  // "自動"
#define IDC_CODE2D_MODULE_WIDTH         1327  // "1モジュール／セル幅", dots
#define IDC_CODE2D_MODULE_WIDTH_SPIN    1328
#define IDC_CODE2D_PDF_ROW_HEIGHT       1329  // "バーコード1行の高さ" (PDF417), x0.1mm
#define IDC_CODE2D_PDF_ROW_HEIGHT_SPIN  1330
#define IDC_CODE2D_ROTATION             1336  // "回転方向"
#define IDC_CODE2D_PDF_COLUMNS_ROWS     1337  // "列・行数" (PDF417)
#define IDC_CODE2D_QR_ERROR_CORRECTION  1338  // "誤り訂正レベル" (QRコード)
#define IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN 1339
#define IDC_CODE2D_QR_MODEL             1342  // "モデル" (QRコード)
#define IDC_CODE2D_MAXI_MODE            1349  // "モード" (MaxiCode)
#define IDC_CODE2D_PDF_SECURITY_LEVEL   1350  // "セキュリティレベル" (PDF417)
#define IDC_CODE2D_DM_CELL_COUNT        1351  // "セル数指定" (DataMatrix)
#define IDC_CODE2D_GS1_LINEAR_TYPE      1392  // "バーコード種別" (GS1 Composite)
#define IDC_CODE2D_GS1_ROW_HEIGHT       1393  // "バーコード1行の高さ" (GS1 Composite), x0.1mm
#define IDC_CODE2D_GS1_ROW_HEIGHT_SPIN  1394

// ---- character font page controls (dialog 205) ----
#define IDC_FONT_TYPE                   1311  // "フォント種別"
#define IDC_FONT_FONT_NAME              1312  // "フォント名"
#define IDC_FONT_H_MAG                  1337  // "横倍率"
#define IDC_FONT_V_MAG                  1338  // "縦倍率"
#define IDC_FONT_SPACING_ADJUST         1339  // "文字間スペース微調整"
#define IDC_FONT_DECORATION             1340  // "文字飾り"
#define IDC_FONT_EMPHASIS               1341  // "強調文字"
#define IDC_FONT_CHECK_DIGIT            1342  // "チェックデジット"
#define IDC_FONT_ALIGNMENT              1343  // "文字寄せ"
#define IDC_FONT_SPACING                1350  // "文字間スペース", dots
#define IDC_FONT_SHIFT_X                1351  // "横シフト", dots
#define IDC_FONT_SHIFT_Y                1352  // "縦シフト", dots
#define IDC_FONT_FRAME_GAP_X            1353  // "枠までの幅" "横", dots
#define IDC_FONT_FRAME_GAP_Y            1354  // "枠までの幅" "縦", dots
#define IDC_FONT_SPACING_SPIN           1356
#define IDC_FONT_SHIFT_X_SPIN           1358
#define IDC_FONT_SHIFT_Y_SPIN           1359
#define IDC_FONT_FRAME_GAP_X_SPIN       1360
#define IDC_FONT_FRAME_GAP_Y_SPIN       1361
#define IDC_FONT_STRIKE_END             1362  // "取り消し線先端の長さ", dots
#define IDC_FONT_STRIKE_END_SPIN        1363
#define IDC_FONT_REVERSE_AREA_X         1364  // "白抜き文字外エリア" "横", dots
#define IDC_FONT_REVERSE_AREA_X_SPIN    1365
#define IDC_FONT_REVERSE_AREA_Y         1366  // "白抜き文字外エリア" "縦", dots
#define IDC_FONT_REVERSE_AREA_Y_SPIN    1367
#define IDC_FONT_ORIGIN_X               1368  // "基点X座標", x0.1mm
#define IDC_FONT_ORIGIN_X_SPIN          1369
#define IDC_FONT_ORIGIN_Y               1370  // "基点Y座標", x0.1mm
#define IDC_FONT_ORIGIN_Y_SPIN          1371
#define IDC_FONT_AREA_WIDTH             1372  // "文字寄せエリアX方向", x0.1mm
#define IDC_FONT_AREA_WIDTH_SPIN        1373
#define IDC_FONT_LINE_FEED              1374  // "文字寄せエリア改行量", x0.1mm
#define IDC_FONT_LINE_FEED_SPIN         1375
#define IDC_FONT_AREA_LINES             1376  // "文字寄せエリア行数"
#define IDC_FONT_AREA_LINES_SPIN        1377
#define IDC_FONT_ORIGIN_X_AUTO          1378  // "自動"
#define IDC_FONT_ORIGIN_Y_AUTO          1379  // "自動"
#define IDC_FONT_ROTATION               1380  // "回転方向"
#define IDC_FONT_ZERO_SUPPRESS          1381  // "ゼロサプレス", digits
#define IDC_FONT_ZERO_SUPPRESS_SPIN     1382
#define IDC_FONT_WIDTH                  1383  // "幅", x0.1mm
#define IDC_FONT_WIDTH_SPIN             1384
#define IDC_FONT_HEIGHT                 1385  // "高さ", x0.1mm
#define IDC_FONT_HEIGHT_SPIN            1386
#define IDC_FONT_WIDTH_AUTO             1387  // "自動"
#define IDC_FONT_HEIGHT_AUTO            1388  // "自動"

// ---- preview window controls (dialog 230) ----
#define IDC_PREVIEW_TITLE               1401  // font name and type
#define IDC_PREVIEW_DATA                1402  // "データ", the text encoded or written
#define IDC_PREVIEW_CANVAS              1403  // the label and the font, owner-drawn
#define IDC_PREVIEW_INFO                1404  // printer, label, size, placement, face, notes
#define IDC_PREVIEW_WARNING             1405  // refused data, font off the label
#define IDC_PREVIEW_ZOOM                1406  // "表示倍率": 実寸, 2倍, 4倍, ウィンドウに合わせる
#define IDC_PREVIEW_SAVE_SVG            1407  // "名前を付けて保存 (SVG)(&A)..."
#define IDC_PREVIEW_HSCROLL             1408  // scrolls the canvas across
#define IDC_PREVIEW_VSCROLL             1409  // scrolls the canvas down

// ---- earlier versions controls (dialog 240) ----
#define IDC_HISTORY_LIST                1430  // the kept versions: time, size, fonts that differ
#define IDC_HISTORY_COMPARE             1431  // "比較(&D)"
#define IDC_HISTORY_NOTE                1432  // what the comparison found
#define IDC_HISTORY_DIFFERENCES         1433  // font, field, value then, value now

#endif  // VXDRVFONTTOOL_RESOURCE_H
