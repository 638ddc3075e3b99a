<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>สีแดง</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>สีเหลือง</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>สีเขียว</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>สีฟ้า</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>สีน้ำเงิน</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>สีม่วง</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>สีงาช้าง</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>สีส้ม</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>กระดานเกม</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>ว่าง</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>ถูกเลือก</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>ถูกมาร์ก</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>แอคทีฟ</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>แถว %1 คอลัมน์ %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>ตาเดิน: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>ไม่มีตาเดิน!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>คะแนน: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>คะแนน: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>เกม</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>เกมใหม่</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>คำใบ้</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>ตั้งค่า</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>จำนวนสี</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 สี</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 สี</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 สี</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 สี</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>ความเร็ว</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 ครั้งต่อวินาที</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 ครั้งต่อวินาที</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 ครั้งต่อวินาที</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 ครั้งต่อวินาที</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 ครั้งต่อวินาที</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>ใช้ลูกบอลแอคทีฟ</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>ลูกบอลแอคทีฟทุกตาเดิน</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>เล่นอัตโนมัติ</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>สัญลักษณ์บนลูกบอล</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>เกมจบแล้ว หากต้องการเริ่มเกมใหม่ โปรดรีเฟรชหน้าเว็บ</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel เปิดอยู่ในแท็บอื่นแล้ว</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>ย้ายเกมมาที่นี่</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>โหลดเกมไม่สำเร็จ โปรดตรวจสอบการเชื่อมต่อเครือข่าย</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>ลองอีกครั้ง</translation>
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
