<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>check</name>
    <message>
        <source>Finds the wrong pieces of a laid board from a photo of it: the cells whose
piece is clearly another of the picture&apos;s colours. Give the part of the
picture the board shows (a block, or any rectangle of cells) and, where the
board does not stand out from a plain background, its four corners in the
photo. The photo&apos;s colours and light are corrected from the picture itself;
pieces of near colours are not reported.
Prints the number of wrong pieces, then each with its block, its place in
the block, its column and row, the colour it should be and the one it is.

Exit status:
  0  checked (with or without wrong pieces)
  1  usage error, also when --block or --area is malformed, --overlay does
     not end in .png or names the picture or the photo
  2  the picture was refused (see tessamap-cli list --help)
  3  the picture or the photo is unreadable, the area lies outside the
     picture, the corners lie outside the photo, are crossed or too close, or
     the board was not found or does not match the picture
  4  the overlay or standard output could not be written
Nothing is written unless the exit status is 0.</source>
        <translation>並べたボードの写真から、まちがったピースを見つけます。画像の色のうち、
はっきり別の色のピースが置かれたマスです。写真のボードが画像のどこか
（ブロック、または任意のマスの長方形）を指定し、ボードが無地の背景から
はっきり分かれていないときは、写真の中のボードの四隅も指定します。写真の
色と光は画像そのものから補正します。近い色のピースは報告しません。
まちがいの数を表示し、続けて一つずつ、ブロック、ブロックの中の位置、列と行、
正しい色と置かれている色を表示します。

終了ステータス:
  0  確かめた（まちがいがあってもなくても）
  1  使い方の誤り。--block や --area の形が誤っている、--overlay が .png で
     終わらない、または画像か写真と同じファイルのときも
  2  画像を受け付けなかった（tessamap-cli list --help を参照）
  3  画像か写真が読めない、範囲が画像の外に出ている、四隅が写真の外に出て
     いる・交差している・近すぎる、またはボードが見つからないか画像と合わない
  4  重ね書きの画像か標準出力に書き込めなかった
終了ステータスが 0 でなければ、何も書き込みません。</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>コマンド。</translation>
    </message>
    <message>
        <source>A 160x120, 24-bit BMP picture.</source>
        <translation>160×120、24bit の BMP 画像。</translation>
    </message>
    <message>
        <source>The photo of the laid board (JPEG, PNG, HEIC, ... as prepare reads them).</source>
        <translation>並べたボードの写真（JPEG、PNG、HEIC など、prepare が読めるもの）。</translation>
    </message>
    <message>
        <source>The board is the block &lt;label&gt;, e.g. C7.</source>
        <translation>ボードはブロック &lt;label&gt;（例: C7）。</translation>
    </message>
    <message>
        <source>The board is the rectangle of cells from column COL and row ROW (1-based, row 1 at the top), WIDTH cells across and HEIGHT down.</source>
        <translation>ボードは、列 COL、行 ROW（1 から。行 1 が上）のマスから、横 WIDTH マス、
縦 HEIGHT マスの長方形。</translation>
    </message>
    <message>
        <source>The outer corners of the board&apos;s corner cells in photo pixels: top-left, top-right, bottom-right, bottom-left (default: found on a plain background).</source>
        <translation>写真のドットで、ボードの四隅のマスの外側の角: 左上、右上、右下、左下
（既定: 無地の背景から見つける）。</translation>
    </message>
    <message>
        <source>Print the result as JSON.</source>
        <translation>結果を JSON で表示します。</translation>
    </message>
    <message>
        <source>Write the photo with the wrong pieces circled and the colour each should be beside it, as a PNG file.</source>
        <translation>まちがったピースを丸で囲み、そのそばに正しい色を示した写真を
PNG ファイルに書き出します。</translation>
    </message>
</context>
<context>
    <name>export</name>
    <message>
        <source>The command.</source>
        <translation>コマンド。</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt;, which must exist (default: the picture&apos;s folder).</source>
        <translation>&lt;folder&gt; に書き出します。そのフォルダーが
あらかじめ必要です（既定: 画像のフォルダー）。</translation>
    </message>
    <message>
        <source>PixelColorNumber.csv, ColorData.csv and ColorCount.csv.</source>
        <translation>PixelColorNumber.csv、ColorData.csv、ColorCount.csv。</translation>
    </message>
    <message>
        <source>The colour sample sheet, ColorSample.pdf.</source>
        <translation>色見本、ColorSample.pdf。</translation>
    </message>
    <message>
        <source>All 192 matrix pages, ColorMatrixAll.pdf.</source>
        <translation>色番号表の全 192 ページ、ColorMatrixAll.pdf。</translation>
    </message>
    <message>
        <source>One matrix page, e.g. C7 (letter A-P, number 1-12), as ColorMatrix_C7.pdf.</source>
        <translation>色番号表の 1 ページ。例えば C7（文字 A～P、数 1～12）を
ColorMatrix_C7.pdf として。</translation>
    </message>
    <message>
        <source>The overview for laying the picture as a group, ColorMatrixOverview.pdf: a colour map of all blocks, then the pieces each block needs.</source>
        <translation>みんなで並べるための一覧、ColorMatrixOverview.pdf:
全ブロックの色の地図と、ブロックごとに必要なピース。</translation>
    </message>
    <message>
        <source>The chart at the size of the pieces, &lt;mm&gt; millimetres a cell (1 to 50, e.g. 5 or 2.6), tiled over pages with a cover page, as &lt;picture&apos;s base name&gt;-&lt;mm&gt;mm.pdf.</source>
        <translation>ピースの実寸の色番号表。1 マス &lt;mm&gt; ミリ（1 から 50、
例えば 5 や 2.6）で、表紙に続けて何枚かに分けて印刷し、
&lt;画像の名前&gt;-&lt;mm&gt;mm.pdf に書き出します。</translation>
    </message>
    <message>
        <source>With --actual-size: the paper, A4 (default) or A3.</source>
        <translation>--actual-size の用紙。A4（既定）か A3。</translation>
    </message>
    <message>
        <source>With --actual-size: mark the edges of &lt;n&gt; x &lt;n&gt; pegboards (2 to 160).</source>
        <translation>--actual-size で、&lt;n&gt; × &lt;n&gt; マスのボードの端に
線を引きます（2 から 160）。</translation>
    </message>
    <message>
        <source>The chart as a spreadsheet workbook, &lt;picture&apos;s name&gt;.xlsx: the whole chart, the colours, the pieces per block and one sheet per block, coloured and numbered.</source>
        <translation>図案を表計算のブック &lt;画像の名前&gt;.xlsx にします:
図案の全体、色、ブロックごとのピース数、ブロックごとの
シート。どのマスも色で塗り、色番号を入れます。</translation>
    </message>
    <message>
        <source>Writes what is made of the picture into its folder (or the one of --out).
Without an option naming an output, writes what the colour and matrix windows
write: the three CSV files, the colour sample sheet (ColorSample.pdf) and all
192 matrix pages (ColorMatrixAll.pdf). Each of --csv, --sample-sheet,
--matrix, --block, --overview, --blocks, --xlsx and --actual-size names one
output; given any of them, only the outputs named are written. The pieces&apos;
names and codes come from the chart file beside the picture
(picture.tessamap) when there is one; --palette names the overview&apos;s colours
instead. Existing files of the same names are replaced only once the new file
is complete.

Exit status:
  0  done
  1  usage error, also a label that is not a block, or an output would
     replace the picture or the palette file (nothing is written)
  2  refused: the picture is not a 24-bit 160x120 BMP (nothing is
     written), or the matrix prints were refused because the top-left
     block holds a pixel without a colour number (the other outputs
     are still written)
  3  the picture, the palette file or the chart file is unreadable or
     broken, or the chart file is of another picture or a newer version;
     nothing is written
  4  an output could not be written (wins over 2)</source>
        <translation>画像から作るものを、画像のフォルダー（--out があればそのフォルダー）に
書き出します。書き出すものを選ぶオプションがなければ、「使用色数のカウント」と
「色番号表」の画面が書き出すものを書き出します: 3 つの CSV ファイル、色見本
（ColorSample.pdf）、色番号表の全 192 ページ（ColorMatrixAll.pdf）。--csv、
--sample-sheet、--matrix、--block、--overview、--blocks、--xlsx、
--actual-size は、それぞれ一つを選びます。どれかを指定すると、選んだものだけを
書き出します。ピースの名前とコードは、画像の横に制作ファイル
（picture.tessamap）があれば、そこから取ります。--palette を指定すると、
全体図の色にはその名前を付けます。同じ名前のファイルがあれば、新しいファイルが
できあがってから置き換えます。

終了ステータス:
  0  完了
  1  使い方の誤り（ブロックでない名前のときも）。または、書き出すファイルが
     画像かパレットファイルを置き換えてしまいます（何も書き出しません）
  2  拒否: 24bit、160×120 の BMP 画像ではありません（何も書き出しません）。
     または、左上のブロックに色番号のない画素があるため、色番号表の
     印刷を拒否しました（ほかのものは書き出します）
  3  画像、パレットファイルまたは制作ファイルを読めないか、壊れているか、
     制作ファイルが別の画像のものか新しい版のものです。何も書き出しません
  4  書き出せないものがありました（2 より優先）</translation>
    </message>
    <message>
        <source>A 160x120, 24-bit BMP picture, or its chart file (.tessamap).</source>
        <translation>160×120、24bit の BMP 画像、またはその制作ファイル（.tessamap）。</translation>
    </message>
    <message>
        <source>These blocks, e.g. A1,B12 (comma-separated labels), in print order, one page each with a key of the colours the block holds (number, swatch, name, code, pieces), as ColorMatrixBlocks.pdf.</source>
        <translation>これらのブロック（例: A1,B12。ブロックの名前をコンマで区切る）を、
印刷の順に 1 ページずつ ColorMatrixBlocks.pdf にします。各ページに、
そのブロックの色の凡例（番号、色、名前、コード、枚数）を付けます。</translation>
    </message>
    <message>
        <source>With --overview, begin its lists with a key of every colour named by the colour of exactly the same RGB value in &lt;file&gt; (a GIMP palette or CSV lines R,G,B[,name]) or in a built-in piece set given by its id (a file of that name in the working folder wins). A wrong palette line stops with status 3.</source>
        <translation>--overview の一覧の初めに、全色の凡例を付けます。
各色には、&lt;file&gt;（GIMP パレットまたは R,G,B[,名前] の
CSV 行）か、ID で指定した組み込みのピースのセットで、
RGB の値がまったく同じ色の名前を付けます（作業フォルダーに
その名前のファイルがあれば、ファイルを使います）。
パレットの行が誤っていれば、終了ステータス 3 で
止まります。</translation>
    </message>
</context>
<context>
    <name>list</name>
    <message>
        <source>The command.</source>
        <translation>コマンド。</translation>
    </message>
    <message>
        <source>A 160x120, 24-bit BMP picture.</source>
        <translation>160×120、24bit の BMP 画像。</translation>
    </message>
    <message>
        <source>Print the picture, its colours and their counts as JSON.</source>
        <translation>画像のパス、その色と枚数を JSON で表示します。</translation>
    </message>
    <message>
        <source>Print the pieces of each 10x10 block instead, one line per block in print order: &quot;H 6  22×19  25×17&quot; (colour 22 nineteen times ...; 0 counts cells without a colour number). With --json, adds &quot;blocks&quot;.</source>
        <translation>代わりに、10×10 のブロックごとに必要なピースを、
印刷の順に 1 ブロック 1 行で表示します: &quot;H 6  22×19  25×17&quot;
（色 22 が 19 枚…。0 は色番号のないマスの数）。
--json と一緒に使うと &quot;blocks&quot; を加えます。</translation>
    </message>
    <message>
        <source>Prints how many pieces of each colour the picture needs, one line per
colour number, with the names and codes of the chart file beside the
picture (picture.tessamap) when there is one.

Exit status:
  0  done
  1  usage error
  2  refused: the picture is not a 24-bit 160x120 BMP
  3  the picture, the palette file or the chart file is unreadable or
     broken, or the chart file is of another picture or a newer version
  4  the CSV file of --csv or standard output could not be written</source>
        <translation>その画像に必要なピースの数を、色番号ごとに 1 行で表示します。画像の横に
制作ファイル（picture.tessamap）があれば、その色の名前とコードも表示します。

終了ステータス:
  0  完了
  1  使い方の誤り
  2  拒否: 24bit、160×120 の BMP 画像ではありません
  3  画像、パレットファイルまたは制作ファイルを読めないか、壊れています。
     制作ファイルが別の画像のものか、新しい版のものであるときも
  4  --csv の CSV ファイルか標準出力に書き込めませんでした</translation>
    </message>
    <message>
        <source>Print the shopping list instead: per colour number the pieces, the pieces with spares and the bags they fill, with the code and name where known, and the totals.</source>
        <translation>代わりに買い物リストを表示します: 色番号ごとに、ピースの数、
予備を加えた数、それが何袋になるか、わかっていればコードと名前。
最後に合計。</translation>
    </message>
    <message>
        <source>With --shopping: the spares, 0 to 1000 percent more pieces, rounded up (default 10).</source>
        <translation>--shopping で、予備として加える割合。0 から 1000 %
（既定 10）。端数は切り上げます。</translation>
    </message>
    <message>
        <source>With --shopping: the pieces in a bag, 1 to 100000 (default 1000).</source>
        <translation>--shopping で、1 袋のピースの数。1 から 100000
（既定 1000）。</translation>
    </message>
    <message>
        <source>With --shopping: write the list to &lt;file&gt; as well, a CSV file for spreadsheets (UTF-8 with a byte-order mark, CR LF) of the columns number,code,name,red,green,blue,pieces,with_spares,bags. It may not be the picture, its chart file or the palette file (status 1).</source>
        <translation>--shopping で、リストを &lt;file&gt; にも書き出します。表計算用の
CSV ファイル（UTF-8、バイトオーダーマーク付き、CR LF）で、列は
number,code,name,red,green,blue,pieces,with_spares,bags。
画像、その制作ファイル、パレットファイルは指定できません
（終了ステータス 1）。</translation>
    </message>
    <message>
        <source>Name each colour by the colour of exactly the same RGB value in &lt;file&gt; (a GIMP palette or CSV lines R,G,B[,name]) or in a built-in piece set given by its id (a file of that name in the working folder wins); with --json, adds &quot;name&quot; and a set&apos;s &quot;code&quot;. A wrong palette line stops with status 3.</source>
        <translation>各色に、&lt;file&gt;（GIMP パレットまたは R,G,B[,名前] の
CSV 行）か、ID で指定した組み込みのピースのセットで、
RGB の値がまったく同じ色の名前を付けます（作業フォルダーに
その名前のファイルがあれば、ファイルを使います）。
--json では &quot;name&quot; と、セットの &quot;code&quot; を加えます。
パレットの行が誤っていれば、終了ステータス 3 で止まります。</translation>
    </message>
</context>
<context>
    <name>palettes</name>
    <message>
        <source>Lists the piece sets built into Tessamap, one line each: the id that
--palette takes, the size of a piece, the number of colours and the name.
Given an id, lists that set&apos;s colours instead: the maker&apos;s code, R,G,B and
the name. The colours are measured from photographs and scans of real
pieces: close to the real ones, not exact (transparent, glitter and
metallic pieces least).

Exit status:
  0  done
  1  usage error, also an id that names no set
  4  standard output could not be written</source>
        <translation>Tessamap に組み込まれたピースのセットを 1 セット 1 行で表示します:
--palette に指定する ID、ピース 1 個の大きさ、色数、名前。ID を指定すると、
そのセットの色を表示します: メーカーの品番、R,G,B、名前。色は本物の
ピースの写真やスキャンから測ったもので、実物に近いものの、正確では
ありません（透明、ラメ、メタリックのピースはとくに）。

終了ステータス:
  0  完了
  1  使い方の誤り。どのセットの ID でもないときも
  4  標準出力に書き込めませんでした</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>コマンド。</translation>
    </message>
    <message>
        <source>The set whose colours to list, e.g. perler.</source>
        <translation>色を表示するセット（例: perler）。</translation>
    </message>
</context>
<context>
    <name>prepare</name>
    <message>
        <source>The command.</source>
        <translation>コマンド。</translation>
    </message>
    <message>
        <source>The picture to prepare.</source>
        <translation>元の画像。</translation>
    </message>
    <message>
        <source>The BMP file to write, its name ending in .bmp; an existing file is replaced once the new one is complete.</source>
        <translation>書き出す BMP ファイル。名前は .bmp で終わること。
同じ名前のファイルがあれば、新しいファイルが
できあがってから置き換えます。</translation>
    </message>
    <message>
        <source>At most &lt;n&gt; colours, 1 to 32 (default 32).</source>
        <translation>最大 &lt;n&gt; 色、1 から 32（既定 32）。</translation>
    </message>
    <message>
        <source>Mix colours by error diffusion (Floyd-Steinberg). Off by default: scattered single pieces are harder to lay.</source>
        <translation>誤差拡散（Floyd–Steinberg）で色を混ぜます。
既定ではオフ: 散らばった 1 枚ずつのピースは
並べにくいため。</translation>
    </message>
    <message>
        <source>crop: fill 160x120 and keep the middle (default); pad: the whole picture, the rest in the background colour; stretch: ignore the aspect ratio.</source>
        <translation>crop: 160×120 いっぱいにして中央を残す（既定）。
pad: 画像全体を入れ、残りは背景色。
stretch: 縦横比を無視する。</translation>
    </message>
    <message>
        <source>Colour under transparent parts and around a padded picture, RRGGBB (default FFFFFF, white).</source>
        <translation>透明な部分の下と、pad で余った周りの色、RRGGBB
（既定 FFFFFF、白）。</translation>
    </message>
    <message>
        <source>Use only the part of the upright picture at X,Y (its top-left pixel) of W x H pixels; with crop, its middle in 4:3 (default: the whole picture).</source>
        <translation>正しい向きにした画像の、X,Y（左上の画素）から
幅 W、高さ H 画素の部分だけを使います。crop では
その中央の 4:3（既定: 画像全体）。</translation>
    </message>
    <message>
        <source>Brightness, -100 to 100 (default 0): adds n/2 to CIELAB L*.</source>
        <translation>明るさ、-100 から 100（既定 0）: CIELAB の L* に
n/2 を足します。</translation>
    </message>
    <message>
        <source>Contrast, -100 to 100 (default 0): L* - 50 times (1 + n/100).</source>
        <translation>コントラスト、-100 から 100（既定 0）: L* − 50 を
(1 + n/100) 倍にします。</translation>
    </message>
    <message>
        <source>Saturation, -100 to 100 (default 0): a* and b* times (1 + n/100).</source>
        <translation>彩度、-100 から 100（既定 0）: a* と b* を
(1 + n/100) 倍にします。</translation>
    </message>
    <message>
        <source>Turns a picture (PNG, JPEG, GIF, BMP, WebP, TIFF, HEIC, HEIF or AVIF, told by
its content) into a picture Tessamap takes: 160x120 pixels, at most N colours,
24-bit BMP. The picture is turned upright by its EXIF orientation (HEIC and
AVIF by their own rotation and mirror), scaled in linear light and
reduced with libimagequant; with --palette its colours are taken from the
colours of your pieces: a palette file, or a built-in set of real pieces
(tessamap-cli palettes lists them). Prints the number of colours and the
mean CIEDE2000 colour difference from the scaled picture (with --dither,
after a blur of one pixel, as the mosaic looks from a step back). Beside
OUTPUT it writes its chart file (OUTPUT.tessamap) with the names and codes
of the palette&apos;s colours and these settings; an earlier one of another
picture is kept as .bak.

Exit status:
  0  done
  1  usage error, also when OUTPUT does not end in .bmp, names INPUT or the
     palette file (directly or through a link), when --region does not lie
     inside the picture, an option value is empty, or a name is not UTF-8
  2  refused: the picture&apos;s header claims more than 50 megapixels (30 at
     16 bits a channel, 25 for HEIC and AVIF), or a JPEG has more than 100
     scans
  3  the picture or the palette file is unusable: missing, unreadable, empty,
     truncated, damaged or in another format, too large to convert, a palette
     line is wrong (reported with its line number), or the palette file is
     over 1 MiB or has over 1,024 colours
  4  the output or its chart file could not be written or is not a regular
     file, or standard output could not be written (OUTPUT is then
     complete; only the report is lost)
Nothing is written unless the exit status is 0, but for the picture when
only its chart file or the report could not be written.</source>
        <translation>画像（PNG、JPEG、GIF、BMP、WebP、TIFF、HEIC、HEIF、AVIF。種類は
中身で見分けます）から、Tessamap で使える画像を作ります: 160×120 画素、
最大 N 色、24bit の BMP。画像は EXIF の向きの情報（HEIC と AVIF は
それ自身の回転と反転）で正しい向きにし、リニアな光で縮小して、
libimagequant で減色します。--palette では、手持ちのピースの色から色を
選びます: パレットファイルか、組み込みの本物のピースのセット
（tessamap-cli palettes で一覧を表示します）。色数と、縮小した画像との
平均色差（CIEDE2000）を表示します（--dither では、少し離れて見た
モザイクのように 1 画素ぼかしてから）。OUTPUT の横に制作ファイル
（OUTPUT.tessamap）を書き、パレットの色の名前と品番、この設定を記録します。
ほかの画像の古い制作ファイルは .bak として残します。

終了ステータス:
  0  完了
  1  使い方の誤り。OUTPUT が .bmp で終わらないとき、OUTPUT が INPUT か
     パレットファイルと同じファイルのとき（直接またはリンクで）、--region が
     画像の中に収まらないとき、オプションの値が空のとき、名前が UTF-8 で
     ないときも
  2  拒否: 画像のヘッダーが 5000 万画素（1 チャンネル 16bit では 3000 万画素、
     HEIC と AVIF では 2500 万画素）より大きいと書いているか、JPEG の
     スキャンが 100 個を超えています
  3  画像またはパレットファイルが使えません: 見つからない、読めない、
     空、途中で切れている、壊れている、ほかの形式、大きすぎて変換できない、
     パレットの行の誤り（行番号を表示します）、またはパレットファイルが
     1 MiB か 1,024 色を超えています
  4  出力先か制作ファイルを書き出せませんでした（通常のファイルでないとき、
     標準出力に書き込めないときも。標準出力のときは OUTPUT はできあがって
     いて、表示だけが失われています）
終了ステータスが 0 でなければ何も書き出しません。ただし制作ファイルか
表示だけを書けなかったときは、画像はできあがっています。</translation>
    </message>
    <message>
        <source>Use only colours of &lt;file&gt;, the best &lt;n&gt; of them: a GIMP palette (.gpl) or CSV lines R,G,B[,name], UTF-8 or Shift-JIS; or of a built-in piece set given by its id, e.g. perler (see tessamap-cli palettes; a file of that name in the working folder wins). Then prints each colour used with its number, name and code.</source>
        <translation>&lt;file&gt; の色だけを使い、その中から最もよい &lt;n&gt; 色を
選びます: GIMP パレット（.gpl）または R,G,B[,名前] の
CSV 行、UTF-8 または Shift-JIS。または、ID で指定した
組み込みのピースのセット（例: perler。tessamap-cli palettes を
参照。作業フォルダーにその名前のファイルがあれば、ファイルを
使います）の色だけを使います。使った色を番号、名前、品番
付きで表示します。</translation>
    </message>
    <message>
        <source>No colour for fewer than &lt;n&gt; pieces, 1 to 200 (default 1: any): while a chosen colour covers fewer pixels, the one with the fewest is dropped and its pixels take their nearest remaining colour (with --dither, the picture is dithered again).</source>
        <translation>&lt;n&gt; 個に満たないピースの色を使いません。1 から 200
（既定 1: 制限なし）。選んだ色のうちどれかの画素が &lt;n&gt; 個に
満たないあいだ、いちばん少ない色を除き、その画素を残りの色の
うち最も近い色にします（--dither では、ディザをかけ直します）。</translation>
    </message>
    <message>
        <source>With --palette and a piece set: leave out the set&apos;s colours of these maker&apos;s codes, those you have not got, e.g. 80-19001,80-19018.</source>
        <translation>--palette にピースのセットを指定したとき: 持っていない
色を、メーカーの品番で除きます（例: 80-19001,80-19018）。</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>Marks blocks done and reports the progress of building the picture: blocks
done of 192, and per colour number the pieces in all and still to lay (in
the blocks not done). The marks are kept in the chart file beside the
picture (picture.tessamap), which the window 「制作」 uses too. LABELS
are block labels separated by commas: A1,B12.

Exit status:
  0  done
  1  usage error, also a label that is not a block (A1 to P12)
  2  refused: the picture is not a 24-bit 160x120 BMP
  3  the picture or its chart file is unreadable or broken, of another
     picture or of a newer version; the chart file is left as it was
  4  the chart file could not be written; the earlier file is kept
Nothing is written unless blocks are marked and the exit status is 0.</source>
        <translation>できたブロックを記録し、絵づくりの進み具合を表示します: 192 のうち
できたブロックの数と、色番号ごとのピースの数（全体と、まだできていない
ブロックの残り）。記録は画像の横の制作ファイル（picture.tessamap）に
残り、画面の「制作」も同じファイルを使います。LABELS はブロックの名前を
コンマで区切ったものです: A1,B12。

終了ステータス:
  0  完了
  1  使い方の誤り。ブロックでない名前（A1 から P12 以外）のときも
  2  拒否: 24bit、160×120 の BMP 画像ではありません
  3  画像または制作ファイルを読めないか、壊れているか、別の画像のものか、
     新しい版のものです。制作ファイルはそのまま残します
  4  制作ファイルを書き込めませんでした。前のファイルはそのまま残ります
ブロックを記録し、終了ステータスが 0 のときだけ書き込みます。</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>コマンド。</translation>
    </message>
    <message>
        <source>A 160x120, 24-bit BMP picture, or its chart file (.tessamap).</source>
        <translation>160×120、24bit の BMP 画像、またはその制作ファイル（.tessamap）。</translation>
    </message>
    <message>
        <source>Mark these blocks done.</source>
        <translation>これらのブロックを、できたことにします。</translation>
    </message>
    <message>
        <source>Mark these blocks not done again.</source>
        <translation>これらのブロックを、まだできていないことに戻します。</translation>
    </message>
    <message>
        <source>Give the blocks of --blocks to &lt;name&gt;.</source>
        <translation>--blocks のブロックを &lt;name&gt; の担当にします。</translation>
    </message>
    <message>
        <source>Take the blocks of --blocks from their builder.</source>
        <translation>--blocks のブロックの担当をなくします。</translation>
    </message>
    <message>
        <source>The blocks for --builder or --no-builder.</source>
        <translation>--builder または --no-builder のブロック。</translation>
    </message>
    <message>
        <source>Print the report as JSON: &quot;done&quot; (labels), &quot;colors&quot; (number, rgb, name, code, total, remaining) and &quot;builders&quot; (name: labels).</source>
        <translation>JSON で表示します: &quot;done&quot;（ブロックの名前）、&quot;colors&quot;（number、rgb、name、code、total、remaining）、&quot;builders&quot;（名前: ブロックの名前）。</translation>
    </message>
</context>
<context>
    <name>tessamap-cli</name>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Show the version and licence.</source>
        <translation>バージョンとライセンスを表示します。</translation>
    </message>
    <message>
        <source>Usage: tessamap-cli COMMAND [options]
Tessamap without a window: the analysis, CSV files and PDF prints of a
160x120, 24-bit BMP picture, and such a picture made from any photo.

Commands:
  prepare INPUT OUTPUT.bmp  make a Tessamap picture from any picture
  export PICTURE            write the CSV files and the PDF prints
  list PICTURE              print the pieces needed for each colour
  progress PICTURE          mark blocks done, report what is left to lay
  check PICTURE PHOTO       find the wrong pieces in a photo of a laid board
  palettes [ID]             list the built-in piece sets, or one set&apos;s colours

&apos;tessamap-cli COMMAND --help&apos; describes a command, its options and its
exit status.</source>
        <translation>使い方: tessamap-cli コマンド [オプション]
画面を使わない Tessamap: 160×120、24bit の BMP 画像を分析し、CSV ファイルと
PDF の印刷物を作ります。どんな写真からでも、そのような画像を作ります。

コマンド:
  prepare INPUT OUTPUT.bmp  どんな画像からでも Tessamap の画像を作る
  export PICTURE            CSV ファイルと PDF の印刷物を書き出す
  list PICTURE              色ごとに必要なピースの数を表示する
  progress PICTURE          できたブロックを記録し、残りのピースを表示する
  check PICTURE PHOTO       並べたボードの写真から、まちがったピースを見つける
  palettes [ID]             組み込みのピースのセット、または 1 セットの色を表示する

「tessamap-cli コマンド --help」で、そのコマンドの説明、オプション、
終了ステータスを表示します。</translation>
    </message>
</context>
</TS>
