<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>merah</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>kuning</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>hijau</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>biru muda</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>biru</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>ungu</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>gading</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>oranye</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Papan permainan</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>dipilih</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>ditandai</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktif</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>baris %1, kolom %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Langkah: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Langkah habis!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Skor: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Skor: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Permainan</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Permainan baru</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Petunjuk</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Jumlah warna</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 warna</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 warna</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 warna</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 warna</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 kali per detik</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 kali per detik</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 kali per detik</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 kali per detik</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 kali per detik</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Gunakan bola aktif</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Bola aktif setiap langkah</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Main otomatis</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Simbol pada bola</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Permainan telah berakhir. Untuk memulai permainan baru, muat ulang halaman.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel sudah terbuka di tab lain.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Pindahkan permainan ke sini</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Permainan tidak dapat dimuat. Periksa koneksi jaringan Anda.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Coba lagi</translation>
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
