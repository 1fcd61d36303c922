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
    <name>kov::ui::GameWindow</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Xem</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Thu phóng %1 %</translation>
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
</TS>
