<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>DialogPanel</name>
    <message>
        <source>PLAY 1 OPPONENT</source>
        <translation>CHƠI VỚI 1 ĐỐI THỦ</translation>
    </message>
    <message>
        <source>PLAY 2 OPPONENTS</source>
        <translation>CHƠI VỚI 2 ĐỐI THỦ</translation>
    </message>
    <message>
        <source>PLAY 3 OPPONENTS</source>
        <translation>CHƠI VỚI 3 ĐỐI THỦ</translation>
    </message>
    <message>
        <source>PLAY 1 UNIT</source>
        <translation>CƯỢC 1 ĐƠN VỊ</translation>
    </message>
    <message>
        <source>PLAY 2 UNITS</source>
        <translation>CƯỢC 2 ĐƠN VỊ</translation>
    </message>
    <message>
        <source>PLAY CHI OPTION</source>
        <translation>CHƠI TÍNH CHI</translation>
    </message>
    <message>
        <source>PLAY SET OPTION</source>
        <translation>CHƠI TÍNH VÁN</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>THOÁT</translation>
    </message>
    <message>
        <source>points 0</source>
        <translation>điểm 0</translation>
    </message>
    <message>
        <source>1 OPPONENT</source>
        <translation>1 ĐỐI THỦ</translation>
    </message>
    <message>
        <source>2 OPPONENTS</source>
        <translation>2 ĐỐI THỦ</translation>
    </message>
    <message>
        <source>3 OPPONENTS</source>
        <translation>3 ĐỐI THỦ</translation>
    </message>
    <message>
        <source>PLAY WITH 1 OPPONENT</source>
        <translation>CHƠI VỚI 1 ĐỐI THỦ</translation>
    </message>
    <message>
        <source>1 UNIT</source>
        <translation>1 ĐƠN VỊ</translation>
    </message>
    <message>
        <source>2 UNITS</source>
        <translation>2 ĐƠN VỊ</translation>
    </message>
    <message>
        <source>add 1 point</source>
        <translation>thêm 1 điểm</translation>
    </message>
    <message>
        <source>add 5 points</source>
        <translation>thêm 5 điểm</translation>
    </message>
    <message>
        <source>add 10 points</source>
        <translation>thêm 10 điểm</translation>
    </message>
    <message>
        <source>add 20 points</source>
        <translation>thêm 20 điểm</translation>
    </message>
    <message>
        <source>START GAME</source>
        <translation>BẮT ĐẦU</translation>
    </message>
    <message>
        <source>6 PAIRS</source>
        <translation>LỤC PHẾ BÔN</translation>
    </message>
    <message>
        <source>5 PAIRS, 1TRIPLE</source>
        <translation>5 ĐÔI 1 SÁM</translation>
    </message>
    <message>
        <source>3 STRAIGHT</source>
        <translation>BA SẢNH</translation>
    </message>
    <message>
        <source>3 FLUSH</source>
        <translation>BA THÙNG</translation>
    </message>
    <message>
        <source>13 STRAIGHT</source>
        <translation>SẢNH RỒNG</translation>
    </message>
    <message>
        <source>13 STRAIGHT FLUSH</source>
        <translation>RỒNG CUỐN</translation>
    </message>
    <message>
        <source>REGULAR</source>
        <translation>BÀI THƯỜNG</translation>
    </message>
    <message>
        <source>points 20</source>
        <translation>điểm 20</translation>
    </message>
    <message>
        <source>order by suite</source>
        <translation>xếp theo chất</translation>
    </message>
    <message>
        <source>order by card number</source>
        <translation>xếp theo số</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ĐỒNG Ý</translation>
    </message>
    <message>
        <source>COMPUTER PLAYS EASY</source>
        <translation>MÁY CHƠI DỄ</translation>
    </message>
    <message>
        <source>COMPUTER PLAYS NORMAL</source>
        <translation>MÁY CHƠI VỪA</translation>
    </message>
    <message>
        <source>COMPUTER PLAYS HARD</source>
        <translation>MÁY CHƠI KHÓ</translation>
    </message>
    <message>
        <source>EASY</source>
        <translation>DỄ</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>VỪA</translation>
    </message>
    <message>
        <source>HARD</source>
        <translation>KHÓ</translation>
    </message>
    <message>
        <source>EXPERT</source>
        <translation>CAO THỦ</translation>
    </message>
    <message>
        <source>COMPUTER PLAYS EXPERT</source>
        <translation>MÁY CHƠI CAO THỦ</translation>
    </message>
</context>
<context>
    <name>FeltResults</name>
    <message>
        <source>Your cards do not make %1.</source>
        <translation>Bài của bạn không thành %1.</translation>
    </message>
    <message>
        <source>Your cards do not make %1 as they are laid out.</source>
        <translation>Bài như đã xếp không thành %1.</translation>
    </message>
    <message>
        <source>%1 against %2: two specials tie.</source>
        <translation>%1 gặp %2: hai bài ăn trắng hòa nhau.</translation>
    </message>
    <message>
        <source>Both win outright: a tie.</source>
        <translation>Cả hai thắng trắng: hòa.</translation>
    </message>
    <message>
        <source>Your %1 wins outright.</source>
        <translation>%1 của bạn thắng trắng.</translation>
    </message>
    <message>
        <source>Their %1 wins outright.</source>
        <translation>%1 của đối thủ thắng trắng.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>points %1</source>
        <translation>điểm %1</translation>
    </message>
    <message>
        <source>points %1 %2 = %3</source>
        <translation>điểm %1 %2 = %3</translation>
    </message>
    <message>
        <source>need %1 more point</source>
        <translation>cần thêm %1 điểm</translation>
    </message>
    <message>
        <source>need %1 more points</source>
        <translation>cần thêm %1 điểm</translation>
    </message>
    <message>
        <source>(%1) x %2 points = %3</source>
        <translation>(%1) x %2 điểm = %3</translation>
    </message>
    <message>
        <source>win %1</source>
        <translation>thắng %1</translation>
    </message>
    <message>
        <source>lose %1</source>
        <translation>thua %1</translation>
    </message>
    <message>
        <source>trash</source>
        <translation>mậu thầu</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>đôi</translation>
    </message>
    <message>
        <source>2 pairs</source>
        <translation>thú</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>sám cô</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>sảnh</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>thùng</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>cù lũ</translation>
    </message>
    <message>
        <source>quadruple</source>
        <translation>tứ quý</translation>
    </message>
    <message>
        <source>straight flush</source>
        <translation>thùng phá sảnh</translation>
    </message>
    <message>
        <source>6 pairs</source>
        <translation>lục phế bôn</translation>
    </message>
    <message>
        <source>3 flush</source>
        <translation>ba thùng</translation>
    </message>
    <message>
        <source>3 straight</source>
        <translation>ba sảnh</translation>
    </message>
    <message>
        <source>5 pairs, 1 triple</source>
        <translation>5 đôi 1 sám</translation>
    </message>
    <message>
        <source>13 straight</source>
        <translation>sảnh rồng</translation>
    </message>
    <message>
        <source>13 straight flush</source>
        <translation>rồng cuốn</translation>
    </message>
    <message>
        <source>ILLEGAL</source>
        <translation>binh lủng</translation>
    </message>
    <message>
        <source>tie</source>
        <translation>hòa</translation>
    </message>
    <message>
        <source>please arrange cards</source>
        <translation>hãy xếp bài</translation>
    </message>
    <message>
        <source>please arrange cards for &quot;sanh&quot;</source>
        <translation>hãy xếp bài thành ba sảnh</translation>
    </message>
    <message>
        <source>please arrange cards for &quot;thung&quot;</source>
        <translation>hãy xếp bài thành ba thùng</translation>
    </message>
    <message>
        <source>Your cards make %1.</source>
        <translation>Bài của bạn có %1.</translation>
    </message>
    <message>
        <source>%1 REGULAR is then ILLEGAL and loses to every opponent. Commit anyway?</source>
        <translation>%1 Khi đó BÀI THƯỜNG bị binh lủng và thua mọi đối thủ. Vẫn xếp như vậy?</translation>
    </message>
    <message>
        <source>Your cards do not make %1 as they are laid out. The claim is ILLEGAL and loses to every opponent. Claim anyway?</source>
        <translation>Bài như đang xếp không thành %1. Báo sai là binh lủng và thua mọi đối thủ. Vẫn báo?</translation>
    </message>
    <message>
        <source>Your cards do not make %1. The claim is ILLEGAL and loses to every opponent. Claim anyway?</source>
        <translation>Bài của bạn không thành %1. Báo sai là binh lủng và thua mọi đối thủ. Vẫn báo?</translation>
    </message>
    <message>
        <source>front</source>
        <translation>chi đầu</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>chi giữa</translation>
    </message>
    <message>
        <source>back</source>
        <translation>chi cuối</translation>
    </message>
    <message>
        <source>Out of order: the front outranks the middle and the middle the back.</source>
        <translation>Sai thứ tự: chi đầu lớn hơn chi giữa, chi giữa lớn hơn chi cuối.</translation>
    </message>
    <message>
        <source>Out of order: the front outranks the middle.</source>
        <translation>Sai thứ tự: chi đầu lớn hơn chi giữa.</translation>
    </message>
    <message>
        <source>Out of order: the middle outranks the back.</source>
        <translation>Sai thứ tự: chi giữa lớn hơn chi cuối.</translation>
    </message>
    <message>
        <source>practice %1, not counted</source>
        <translation>tập %1, không tính</translation>
    </message>
    <message>
        <source>Practice deal %1: not counted in the balance or statistics.</source>
        <translation>Ván tập %1: không tính vào điểm và thống kê.</translation>
    </message>
    <message>
        <source>practice deal %1</source>
        <translation>ván tập %1</translation>
    </message>
    <message>
        <source>deal %1</source>
        <translation>ván %1</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Xem chi tiết...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ẩn chi tiết...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>Opponent %1</source>
        <translation>Đối thủ %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Bạn</translation>
    </message>
</context>
<context>
    <name>TableView</name>
    <message>
        <source>out of order</source>
        <translation>sai thứ tự</translation>
    </message>
</context>
<context>
    <name>kov::ui::BalanceChart</name>
    <message>
        <source>No deals played yet</source>
        <translation>Chưa chơi ván nào</translation>
    </message>
    <message>
        <source>the result of the one deal played</source>
        <translation>kết quả của ván đã chơi</translation>
    </message>
    <message>
        <source>the results of the last %1 deals added up</source>
        <translation>kết quả cộng dồn của %1 ván gần nhất</translation>
    </message>
</context>
<context>
    <name>kov::ui::CardLibrary</name>
    <message>
        <source>%1 in the system&apos;s library folders (/etc/ld.so.conf, /lib, /usr/lib)</source>
        <translation>%1 trong các thư mục thư viện của hệ thống (/etc/ld.so.conf, /lib, /usr/lib)</translation>
    </message>
    <message>
        <source>%1 in the system&apos;s library folders (%2, /etc/ld.so.conf, /lib, /usr/lib)</source>
        <translation>%1 trong các thư mục thư viện của hệ thống (%2, /etc/ld.so.conf, /lib, /usr/lib)</translation>
    </message>
    <message>
        <source>does not offer cdtInit, cdtDrawExt and cdtTerm</source>
        <translation>không có cdtInit, cdtDrawExt và cdtTerm</translation>
    </message>
    <message>
        <source>The game looked for the card library in:</source>
        <translation>Trò chơi đã tìm thư viện lá bài ở:</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>không tìm thấy</translation>
    </message>
</context>
<context>
    <name>kov::ui::CardRenderer</name>
    <message>
        <source>Red back</source>
        <translation>Mặt lưng đỏ</translation>
    </message>
    <message>
        <source>Blue back</source>
        <translation>Mặt lưng xanh</translation>
    </message>
    <message>
        <source>Built-in cards</source>
        <translation>Bộ bài có sẵn</translation>
    </message>
</context>
<context>
    <name>kov::ui::GameWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Trò chơi</translation>
    </message>
    <message>
        <source>&amp;Review the deal</source>
        <translation>&amp;Xem lại ván</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>Thống &amp;kê</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Luật chơi</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Phím tắt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Giới thiệu</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Phím tắt</translation>
    </message>
    <message>
        <source>About KOVARIN32</source>
        <translation>Giới thiệu KOVARIN32</translation>
    </message>
    <message>
        <source>&lt;b&gt;KOVARIN32&lt;/b&gt;&lt;p&gt;The Vietnamese thirteen-card arrangement game: split thirteen cards into three hands and play them against one to three computer opponents.&lt;/p&gt;&lt;p&gt;https://kovarin32.example.org&lt;/p&gt;</source>
        <translation>&lt;b&gt;KOVARIN32&lt;/b&gt;&lt;p&gt;Trò chơi mậu binh (binh xập xám) của Việt Nam: chia mười ba lá bài thành ba chi và đấu với một đến ba đối thủ là máy.&lt;/p&gt;&lt;p&gt;https://kovarin32.example.org&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Xem</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Thu phóng %1 %</translation>
    </message>
    <message>
        <source>&amp;Classic table</source>
        <translation>Bàn &amp;cổ điển</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Toàn màn hình</translation>
    </message>
    <message>
        <source>C&amp;ards</source>
        <translation>&amp;Bộ bài</translation>
    </message>
    <message>
        <source>Card &amp;back</source>
        <translation>&amp;Mặt lưng bài</translation>
    </message>
    <message>
        <source>This deal waits for you: it comes back as it stands when you start the game again. Quit now?</source>
        <translation>Ván này chờ bạn: lần mở trò chơi sau nó trở lại đúng như bây giờ. Thoát ngay?</translation>
    </message>
    <message>
        <source>Play deal number</source>
        <translation>Chơi ván số</translation>
    </message>
    <message>
        <source>The number of the deal to play as practice (0 to 4294967295):</source>
        <translation>Số của ván muốn chơi tập (0 đến 4294967295):</translation>
    </message>
    <message>
        <source>Re&amp;play this deal</source>
        <translation>Chơi &amp;lại ván này</translation>
    </message>
    <message>
        <source>Play deal &amp;number...</source>
        <translation>Chơi ván &amp;số...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>While arranging</source>
        <translation>Khi xếp bài</translation>
    </message>
    <message>
        <source>Drag, click</source>
        <translation>Kéo, bấm</translation>
    </message>
    <message>
        <source>Move a card: an empty cell takes it, a full one swaps</source>
        <translation>Chuyển lá bài: ô trống nhận lá, ô có bài thì đổi chỗ</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Phím mũi tên</translation>
    </message>
    <message>
        <source>Move the cursor over the cells</source>
        <translation>Di con trỏ qua các ô</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Click the cell under the cursor</source>
        <translation>Bấm vào ô dưới con trỏ</translation>
    </message>
    <message>
        <source>Send the card to the front, middle or back hand</source>
        <translation>Đưa lá bài vào chi đầu, chi giữa hoặc chi cuối</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Return the card to the hand row</source>
        <translation>Trả lá bài về hàng bài trên tay</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Put a raised card down</source>
        <translation>Đặt lá bài đang nhấc xuống</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>REGULAR: commit the arrangement</source>
        <translation>REGULAR: chốt cách xếp</translation>
    </message>
    <message>
        <source>Suggest an arrangement</source>
        <translation>Gợi ý cách xếp</translation>
    </message>
    <message>
        <source>Undo the last move</source>
        <translation>Hoàn tác nước vừa đi</translation>
    </message>
    <message>
        <source>Redo the move undone</source>
        <translation>Làm lại nước vừa hoàn tác</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Mọi lúc</translation>
    </message>
    <message>
        <source>On the results: review the deal</source>
        <translation>Ở màn kết quả: xem lại ván</translation>
    </message>
    <message>
        <source>Full screen (felt table)</source>
        <translation>Toàn màn hình (bàn nỉ)</translation>
    </message>
    <message>
        <source>The rules</source>
        <translation>Luật chơi</translation>
    </message>
    <message>
        <source>Quit (a deal in progress waits)</source>
        <translation>Thoát (ván đang chơi dở sẽ chờ)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Next button on a panel</source>
        <translation>Nút kế tiếp trên bảng</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Space, Enter</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>Bấm nút đang chọn</translation>
    </message>
    <message>
        <source>A&amp;nimation</source>
        <translation>&amp;Hiệu ứng</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Nhanh</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Bình thường</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>Â&amp;m thanh</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;level</source>
        <translation>&amp;Mức chơi của máy</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Dễ</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Vừa</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Khó</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>&amp;Cao thủ</translation>
    </message>
</context>
<context>
    <name>kov::ui::MainWindow</name>
    <message>
        <source>Failed to load cards.dll</source>
        <translation>Không tải được cards.dll</translation>
    </message>
    <message>
        <source>KOVARIN32 by https://kovarin32.example.org</source>
        <translation>KOVARIN32 của https://kovarin32.example.org</translation>
    </message>
    <message>
        <source>Drag or click cards. Ctrl+Z undoes, H suggests.</source>
        <translation>Kéo hoặc bấm vào lá bài. Ctrl+Z: hoàn tác, H: gợi ý.</translation>
    </message>
    <message>
        <source>Keys: arrows, Space, 1 2 3, Backspace, Enter.</source>
        <translation>Phím: mũi tên, Space, 1 2 3, Backspace, Enter.</translation>
    </message>
    <message>
        <source>SUGGEST (H)</source>
        <translation>GỢI Ý (H)</translation>
    </message>
    <message>
        <source>UNDO (Ctrl+Z)</source>
        <translation>HOÀN TÁC (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Suggested: %1, laid out; claim it.</source>
        <translation>Gợi ý: %1, đã xếp sẵn; hãy báo.</translation>
    </message>
    <message>
        <source>Suggested: claim %1 with its button.</source>
        <translation>Gợi ý: báo %1 bằng nút của nó.</translation>
    </message>
    <message>
        <source>Suggested front, middle, back: %1, %2, %3.</source>
        <translation>Gợi ý chi đầu, chi giữa, chi cuối: %1, %2, %3.</translation>
    </message>
</context>
<context>
    <name>kov::ui::ReviewPane</name>
    <message>
        <source>Review (R)</source>
        <translation>Xem lại (R)</translation>
    </message>
    <message>
        <source>The computer would play:</source>
        <translation>Máy sẽ xếp:</translation>
    </message>
    <message>
        <source>You played the computer&apos;s choice.</source>
        <translation>Bạn đã xếp giống máy.</translation>
    </message>
    <message>
        <source>%1 points per opponent a deal</source>
        <translation>%1 điểm mỗi đối thủ mỗi ván</translation>
    </message>
    <message>
        <source>%1 sets per opponent a deal</source>
        <translation>%1 ván thắng mỗi đối thủ mỗi ván</translation>
    </message>
    <message>
        <source>Both: %1</source>
        <translation>Cả hai: %1</translation>
    </message>
    <message>
        <source>Computer&apos;s choice: %1</source>
        <translation>Máy xếp: %1</translation>
    </message>
    <message>
        <source>Your arrangement: %1</source>
        <translation>Bạn xếp: %1</translation>
    </message>
    <message>
        <source>on average, won (+) or lost (-) against one opponent</source>
        <translation>trung bình thắng (+) hay thua (-) với một đối thủ</translation>
    </message>
    <message>
        <source>who arranges as the computer; %1 deals, chi option</source>
        <translation>xếp bài như máy; %1 ván giả lập, tính chi</translation>
    </message>
    <message>
        <source>who arranges as the computer; %1 deals, set option</source>
        <translation>xếp bài như máy; %1 ván giả lập, tính ván</translation>
    </message>
</context>
<context>
    <name>kov::ui::RulesWindow</name>
    <message>
        <source>Hand</source>
        <translation>Bài</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Chi cuối</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Chi giữa</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Chi đầu</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Bài ăn trắng</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Ăn</translation>
    </message>
    <message>
        <source>&lt;h2&gt;KOVARIN32&lt;/h2&gt;&lt;p&gt;You play against one, two or three computer opponents. Every deal gives each of you thirteen cards, which you split into three hands:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;the &lt;b&gt;back&lt;/b&gt; hand of five cards,&lt;/li&gt;&lt;li&gt;the &lt;b&gt;middle&lt;/b&gt; hand of five cards,&lt;/li&gt;&lt;li&gt;the &lt;b&gt;front&lt;/b&gt; hand of three cards.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The back must be at least as strong as the middle, and the middle at least as strong as the front. Put the cards on the table row (front on top, back at the bottom) and press REGULAR.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;KOVARIN32&lt;/h2&gt;&lt;p&gt;Bạn chơi với một, hai hoặc ba đối thủ là máy. Mỗi ván, mỗi người nhận mười ba lá bài và chia thành ba chi:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;chi cuối&lt;/b&gt; năm lá,&lt;/li&gt;&lt;li&gt;&lt;b&gt;chi giữa&lt;/b&gt; năm lá,&lt;/li&gt;&lt;li&gt;&lt;b&gt;chi đầu&lt;/b&gt; ba lá.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Chi cuối phải mạnh ít nhất bằng chi giữa, chi giữa mạnh ít nhất bằng chi đầu. Đặt bài lên hàng trên bàn (chi đầu ở trên, chi cuối ở dưới) rồi bấm BÀI THƯỜNG.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The hands&lt;/h3&gt;&lt;p&gt;From weakest to strongest: trash (nothing), a pair, 2 pairs, triple, straight, flush, full house, quadruple, straight flush. A front hand is only ever trash, a pair or a triple. Between hands of one kind the higher cards win; the ace is the highest card, and in a straight it may also stand below the two (A-2-3-4-5).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Các bộ bài&lt;/h3&gt;&lt;p&gt;Từ yếu đến mạnh: mậu thầu (không có gì), đôi, thú, sám cô, sảnh, thùng, cù lũ, tứ quý, thùng phá sảnh. Chi đầu chỉ có thể là mậu thầu, đôi hoặc sám cô. Giữa hai bộ cùng loại, bộ có lá lớn hơn thắng; át là lá lớn nhất, và trong sảnh át cũng có thể đứng dưới lá hai (A-2-3-4-5).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ILLEGAL&lt;/h3&gt;&lt;p&gt;Hands out of order are ILLEGAL: the whole arrangement loses to every opponent, paying each opponent for every one of that opponent&apos;s hands (or losing the set, under the set option). A special you claim but do not hold is ILLEGAL too.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Binh lủng&lt;/h3&gt;&lt;p&gt;Các chi sai thứ tự là binh lủng: cả bài thua mọi đối thủ, phải trả cho mỗi đối thủ theo từng chi của đối thủ đó (hoặc thua ván, khi tính ván). Báo ăn trắng mà bài không có cũng là binh lủng.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Specials&lt;/h3&gt;&lt;p&gt;Six thirteen-card holdings are specials, claimed with their own buttons instead of REGULAR: 6 pairs (a quadruple counts as two pairs); 3 flush (each hand all of one suit); 3 straight (each hand a straight, the front three cards in a row); 5 pairs, 1 triple; 13 straight (one card of every rank); 13 straight flush (ace to king of one suit). A special settles as one block against each opponent and two specials tie. Under the chi option it pays:&lt;/p&gt;%1</source>
        <translation>&lt;h3&gt;Bài ăn trắng&lt;/h3&gt;&lt;p&gt;Sáu kiểu bài mười ba lá là bài ăn trắng, báo bằng nút riêng thay cho BÀI THƯỜNG: lục phế bôn (sáu đôi; tứ quý tính là hai đôi); ba thùng (mỗi chi cùng một chất); ba sảnh (mỗi chi là sảnh, chi đầu ba lá liên tiếp); 5 đôi 1 sám; sảnh rồng (đủ mười ba số); rồng cuốn (từ át đến già cùng một chất). Bài ăn trắng tính gộp một lần với mỗi đối thủ, hai bài ăn trắng thì hòa. Khi tính chi, bài ăn trắng được:&lt;/p&gt;%1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chi option&lt;/h3&gt;&lt;p&gt;Each of your hands plays the hand in the same place of each opponent. The winner of a hand gets the units of its own hand in that place; equal hands pay nothing. A front won with three aces pays three times.&lt;/p&gt;%2</source>
        <translation>&lt;h3&gt;Tính chi&lt;/h3&gt;&lt;p&gt;Mỗi chi của bạn đấu với chi cùng vị trí của từng đối thủ. Chi thắng ăn số đơn vị của bộ bài của nó ở vị trí đó; hai chi bằng nhau không ai ăn. Chi đầu thắng bằng sám cô át ăn gấp ba.&lt;/p&gt;%2</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The set option&lt;/h3&gt;&lt;p&gt;The whole arrangement plays each opponent: winning more hands than it loses wins 1, losing more loses 1, otherwise a tie. A back quadruple or straight flush, or a special, wins the set outright (two of them tie).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tính ván&lt;/h3&gt;&lt;p&gt;Cả bài đấu với từng đối thủ: thắng nhiều chi hơn thua thì ăn 1, thua nhiều hơn thì mất 1, còn lại là hòa. Tứ quý hoặc thùng phá sảnh ở chi cuối, hoặc bài ăn trắng, thắng trắng ván (hai bên cùng có thì hòa).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Points&lt;/h3&gt;&lt;p&gt;Your result against every opponent, added up, times the stake (1 or 2 units), moves your balance. Before a deal your points must cover the largest possible loss: 18 per opponent and unit under the chi option, 1 under the set option. The results show every seat&apos;s own result: a number beside an opponent is what that opponent won (+) or lost (&amp;minus;) against you, and yours is the sum over all opponents. &amp;#9650; marks a win, &amp;#9660; a loss, a bar a tie.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Điểm&lt;/h3&gt;&lt;p&gt;Kết quả của bạn với mọi đối thủ cộng lại, nhân với mức cược (1 hoặc 2 đơn vị), được cộng vào điểm của bạn. Trước mỗi ván, điểm của bạn phải đủ trả mức thua lớn nhất có thể: 18 cho mỗi đối thủ và đơn vị khi tính chi, 1 khi tính ván. Màn kết quả cho thấy kết quả riêng của từng người: số bên cạnh một đối thủ là số đối thủ đó thắng (+) hoặc thua (&amp;minus;) bạn, còn số của bạn là tổng với mọi đối thủ. &amp;#9650; là thắng, &amp;#9660; là thua, một gạch là hòa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>KOVARIN32 rules</source>
        <translation>Luật chơi KOVARIN32</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>&lt;h3&gt;How the computer plays&lt;/h3&gt;&lt;p&gt;The computer lists every arrangement of its cards that no other arrangement beats hand by hand. It then deals the cards it cannot see at random to three imaginary opponents, 100 times, arranges their cards the same way, and plays every candidate against every one of theirs; the candidate with the best total is the one it plays. The same measure ranks the dealt holdings, and a draw decides which of them you receive.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Máy chơi thế nào&lt;/h3&gt;&lt;p&gt;Máy liệt kê mọi cách xếp bài của nó mà không cách xếp nào khác thắng được ở từng chi. Sau đó máy chia ngẫu nhiên các lá nó không thấy cho ba đối thủ tưởng tượng, 100 lần, xếp bài của họ theo cùng cách, và cho mỗi cách xếp của mình đấu với mọi cách xếp của họ; cách có tổng tốt nhất là cách máy chơi. Cũng thước đo đó xếp hạng các bộ bài được chia, và một lần rút thăm quyết định bạn nhận bộ nào.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The computer&apos;s level&lt;/h3&gt;&lt;p&gt;The settings panel chooses how well the computer&apos;s opponents play. Normal, the default, is the play described above. Easy simulates 10 deals instead of 100; measured over 20,000 duplicate deals it loses only 0.02 points per deal to Normal under the chi option and 0.006 sets under the set option. Hard simulates 100 deals against imaginary opponents who each choose from their own cards alone, as Easy does, never seeing yours; over 20,000 duplicate deals it wins 0.060 points per deal from Normal under the chi option and 0.025 sets under the set option. The suggestion (H) is Hard&apos;s choice, and the review measures as Hard does: on the results, Review (R) shows what the computer would have played with your cards and what both arrangements are worth against the same opponents&apos; picks in the same simulated deals.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Mức chơi của máy&lt;/h3&gt;&lt;p&gt;Bảng thiết lập chọn máy chơi giỏi đến đâu. Vừa, mức mặc định, là cách chơi mô tả ở trên. Dễ chỉ giả lập 10 ván thay vì 100; đo trên 20.000 ván đấu lặp, nó chỉ thua Vừa 0,02 điểm mỗi ván khi tính chi và 0,006 ván khi tính ván. Khó giả lập 100 ván với các đối thủ tưởng tượng, mỗi đối thủ chỉ chọn theo bài của chính mình như mức Dễ, không bao giờ thấy bài của bạn; trên 20.000 ván đấu lặp, nó thắng Vừa 0,060 điểm mỗi ván khi tính chi và 0,025 ván khi tính ván. Gợi ý (H) là lựa chọn của mức Khó, và phần xem lại cũng đo như mức Khó: ở màn kết quả, Xem lại (R) cho thấy máy sẽ xếp bài của bạn thế nào và hai cách xếp đáng giá bao nhiêu trước cùng các cách xếp mà đối thủ chọn trên cùng các ván giả lập.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Expert, the fourth level (on the felt table&apos;s settings and in Game, Computer&apos;s level), values every arrangement with tables learned by playing against itself, then checks them in 300 simulated deals against imaginary opponents: two who answer the computer&apos;s usual play as Hard does, and one who plays by those tables. Over 20,000 duplicate deals it wins 0.050 points per deal from Normal and 0.014 from Hard under the chi option, 0.019 and 0.010 sets under the set option, and it chooses in a few thousandths of a second.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cao thủ, mức thứ tư (trong bảng thiết lập của bàn nỉ và trong Trò chơi, Mức chơi của máy), định giá mỗi cách xếp bằng các bảng học được khi tự chơi với chính mình, rồi kiểm lại trên 300 ván giả lập với các đối thủ tưởng tượng: hai đối thủ đáp lại lối chơi thường của máy như mức Khó, và một đối thủ chơi theo các bảng ấy. Trên 20.000 ván đấu lặp, nó thắng Vừa 0,050 điểm mỗi ván và thắng Khó 0,014 điểm khi tính chi, 0,019 và 0,010 ván khi tính ván, và nó chọn xong chỉ trong vài phần nghìn giây.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kov::ui::StatisticsWindow</name>
    <message>
        <source>Deals played</source>
        <translation>Số ván đã chơi</translation>
    </message>
    <message>
        <source>Deals won</source>
        <translation>Ván thắng</translation>
    </message>
    <message>
        <source>Deals lost</source>
        <translation>Ván thua</translation>
    </message>
    <message>
        <source>Deals tied</source>
        <translation>Ván hòa</translation>
    </message>
    <message>
        <source>Points won</source>
        <translation>Điểm thắng</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Điểm thua</translation>
    </message>
    <message>
        <source>Best deal</source>
        <translation>Ván tốt nhất</translation>
    </message>
    <message>
        <source>Worst deal</source>
        <translation>Ván tệ nhất</translation>
    </message>
    <message>
        <source>Chi option</source>
        <translation>Tính chi</translation>
    </message>
    <message>
        <source>Set option</source>
        <translation>Tính ván</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tất cả</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Thống kê</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Xóa thống kê</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Forget every deal counted so far and the balance chart?</source>
        <translation>Xóa mọi ván đã đếm đến nay và biểu đồ điểm?</translation>
    </message>
    <message>
        <source>Points bought: %1, not counted as winnings.</source>
        <translation>Điểm đã mua: %1, không tính là điểm thắng.</translation>
    </message>
</context>
<context>
    <name>kov::ui::Store</name>
    <message>
        <source>Your options, balance and statistics cannot be saved: %1 cannot be written. The game goes on, but nothing more is kept until the next start.</source>
        <translation>Không lưu được cài đặt, số điểm và thống kê của bạn: không ghi được %1. Trò chơi vẫn tiếp tục, nhưng từ giờ đến lần mở sau sẽ không lưu gì nữa.</translation>
    </message>
    <message>
        <source>%1 could not be read: the options, the balance and the statistics start from the defaults.</source>
        <translation>Không đọc được %1: cài đặt, số điểm và thống kê trở về mặc định.</translation>
    </message>
    <message>
        <source>Some of what %1 held could not be used and starts from the defaults: %2. The rest is kept.</source>
        <translation>Một phần dữ liệu trong %1 không dùng được và trở về mặc định: %2. Phần còn lại vẫn được giữ.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The file as it was is kept in %1.</source>
        <translation>Bản sao của tệp như cũ được giữ tại %1.</translation>
    </message>
    <message>
        <source>The balance chart in %1 could not be used and starts afresh.</source>
        <translation>Biểu đồ số điểm trong %1 không dùng được và bắt đầu lại từ đầu.</translation>
    </message>
    <message>
        <source>the number of opponents</source>
        <translation>số đối thủ</translation>
    </message>
    <message>
        <source>the stake</source>
        <translation>mức cược</translation>
    </message>
    <message>
        <source>the scoring option</source>
        <translation>cách tính (tính chi hay tính ván)</translation>
    </message>
    <message>
        <source>the hand order</source>
        <translation>cách xếp bài trên tay</translation>
    </message>
    <message>
        <source>the balance</source>
        <translation>số điểm</translation>
    </message>
    <message>
        <source>the zoom</source>
        <translation>mức thu phóng</translation>
    </message>
    <message>
        <source>the computer&apos;s level</source>
        <translation>mức chơi của máy</translation>
    </message>
    <message>
        <source>the statistics of the chi option</source>
        <translation>thống kê tính chi</translation>
    </message>
    <message>
        <source>the statistics of the set option</source>
        <translation>thống kê tính ván</translation>
    </message>
    <message>
        <source>the balance chart&apos;s last deal</source>
        <translation>ván cuối trên biểu đồ số điểm</translation>
    </message>
    <message>
        <source>the points bought</source>
        <translation>số điểm đã mua</translation>
    </message>
    <message>
        <source>lines the game could not read: %1</source>
        <translation>số dòng không đọc được: %1</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>bàn chơi</translation>
    </message>
    <message>
        <source>the cards</source>
        <translation>bộ bài</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>mặt lưng bài</translation>
    </message>
    <message>
        <source>the window&apos;s size</source>
        <translation>kích thước cửa sổ</translation>
    </message>
    <message>
        <source>The deal in progress in %1 could not be read and is lost.</source>
        <translation>Không đọc được ván đang chơi dở trong %1; ván đó đã mất.</translation>
    </message>
    <message>
        <source>the animation</source>
        <translation>hiệu ứng chuyển động</translation>
    </message>
    <message>
        <source>the sound</source>
        <translation>âm thanh</translation>
    </message>
</context>
<context>
    <name>kov::ui::TableAccessible</name>
    <message>
        <source>Ace</source>
        <translation>Át</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Hai</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Ba</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Bốn</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Năm</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sáu</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Bảy</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Tám</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Chín</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Mười</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bồi</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Đầm</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Già</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>nhép</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>rô</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cơ</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>bích</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Vietnamese thirteen-card arrangement game against the computer.</source>
        <translation>Trò chơi xếp mười ba lá bài kiểu Việt Nam với máy tính.</translation>
    </message>
    <message>
        <source>Play this run on the classic table (the choice kept stays).</source>
        <translation>Lần chạy này chơi trên bàn cổ điển (lựa chọn đã lưu giữ nguyên).</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Hiển thị thông tin phiên bản.</translation>
    </message>
    <message>
        <source>Start with deal number N as a practice deal (not counted in the balance).</source>
        <translation>Bắt đầu bằng ván số N, chơi tập (không tính vào điểm).</translation>
    </message>
    <message>
        <source>kovarin32: --deal takes a deal number from 0 to 4294967295, not &apos;%1&apos;
</source>
        <translation>kovarin32: --deal cần số ván từ 0 đến 4294967295, không phải &apos;%1&apos;
</translation>
    </message>
</context>
</TS>
