-- Bukura database: tables, stored views and fixed rows.
create table ref_unit (
  id_unit integer primary key,
  kode_unit text(1) collate nocase,
  nama_unit text(50) collate nocase
);
insert into ref_unit values (10, '1', 'Kalvera');
insert into ref_unit values (11, '2', 'Kalvera ZIVU');
insert into ref_unit values (12, '3', 'Kalvera Duvize');
