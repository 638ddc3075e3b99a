<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>đỏ</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>vàng</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>xanh lá</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>xanh lơ</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>xanh dương</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>tím</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>trắng ngà</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>cam</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Bàn chơi</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>trống</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>đã chọn</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>đã đánh dấu</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>đặc biệt</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>hàng %1, cột %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Nước đi: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Hết nước đi!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Điểm: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Điểm: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Trò chơi</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Ván mới</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Số màu</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 màu</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 màu</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 màu</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 màu</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Tốc độ</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 lần mỗi giây</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 lần mỗi giây</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 lần mỗi giây</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 lần mỗi giây</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 lần mỗi giây</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Dùng bi đặc biệt</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Bi đặc biệt sau mỗi nước đi</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Tự động chơi</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Ký hiệu trên bi</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Trò chơi đã kết thúc. Để bắt đầu ván mới, hãy tải lại trang.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel đang được mở ở một thẻ khác.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Chuyển trò chơi sang đây</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Không thể tải trò chơi. Hãy kiểm tra kết nối mạng.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Thử lại</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Zorbel</translation>
    </message>
</context>
</TS>
