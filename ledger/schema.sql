-- Bukura database: every table, the stored views and the fixed rows. Run once by tools/newdb.
-- Text columns compare without case; booleans are 0/1; dates are ISO text; amounts are REAL.
-- Column order is part of the format: several statements insert by position.
-- Keys the program numbers itself are declared "int primary key": plain columns, not the engine's
-- row number, so table order stays insertion order. Autonumbers are "integer primary key autoincrement".

create table ref_unit (
  id_unit int primary key,
  kode_unit text(10) collate nocase,
  nama_unit text(50) collate nocase
);

create table ref_sistem (
  npt text(100) collate nocase,
  apt text(100) collate nocase,
  tpt text(100) collate nocase,
  ppt text(100) collate nocase,
  keterangan text(100) collate nocase,
  ref_tahun integer,
  first_mnt integer,
  last_mnt integer,
  id_kas integer,
  id_hutang integer,
  id_pihutang integer,
  id_laba_tahun_lalu integer,
  id_laba_berjalan integer,
  id_kas2 integer,
  id_hutang2 integer,
  id_pihutang2 integer,
  id_laba_tahun_lalu2 integer,
  id_laba_berjalan2 integer,
  id_kas3 integer,
  id_hutang3 integer,
  id_pihutang3 integer,
  id_laba_tahun_lalu3 integer,
  id_laba_berjalan3 integer
);

create table sis_tipeuser (
  type text(1) collate nocase primary key,
  user_type text(50) collate nocase
);

create table sis_user (
  user_login text(15) collate nocase primary key,
  user_pwd text(15) collate nocase,
  user_name text(50) collate nocase,
  type text(1) collate nocase,
  user_status integer not null default 0
);

-- The blank entries that a running program holds while its window makes them (host, process and its start).
create table entry_holder (
  entry_table text(10) collate nocase,
  entry_key text(20) collate nocase,
  host text(255),
  process integer,
  process_start text(60),
  primary key (entry_table, entry_key)
);

-- The program instances logged in to the book (host, process and its start), by whom and since when.
create table book_session (
  host text(255),
  process integer,
  user_login text(15) collate nocase,
  since text(19),
  process_start text(60),
  primary key (host, process)
);

create table posisi_coa (
  idjenis integer primary key autoincrement,
  nomor text(5) collate nocase,
  keterangan text(50) collate nocase,
  posisi text(1) collate nocase,
  akun_neraca integer
);
create index posisi_coa_nomor on posisi_coa (nomor);

create table coa (
  account_id int primary key,
  account_code text(15) collate nocase,
  account_name text(50) collate nocase,
  account_cat text(3) collate nocase,
  account_pos text(1) collate nocase,
  saldo_awal currency real,
  account_sub integer,
  sub boolean not null default 0,
  account_header boolean not null default 0
);
create index coa_code on coa (account_code);
create index coa_unit on coa (account_sub, account_header);

-- Work table of the opening-balance dialog; no key, rows are written back by rowid.
create table coa_tmp (
  account_code text(15) collate nocase,
  account_id integer,
  account_name text(50) collate nocase,
  account_cat text(3) collate nocase,
  account_pos text(1) collate nocase,
  saldo_awal currency real,
  account_sub integer
);

create table T_VOUC (
  ID_Vouc text(20) collate nocase primary key,
  No_Vouc text(20) collate nocase,
  tgl_vouc date,
  jumlah currency real,
  ket text(100) collate nocase,
  ajp boolean not null default 0,
  id_unit smallint
);
create index T_VOUC_number on T_VOUC (No_Vouc);
create index T_VOUC_unit on T_VOUC (id_unit, ajp);
-- Covers the join from a voucher line to its date and kind.
create index T_VOUC_date on T_VOUC (ID_Vouc, tgl_vouc, ajp);
-- Finds the vouchers of a month for posting it alone.
create index T_VOUC_day on T_VOUC (tgl_vouc, ID_Vouc, ajp);

create table TR_VOUC (
  ID_Vouc text(20) collate nocase,
  nomor integer,
  account_id integer,
  account_code text(15) collate nocase,
  uraian text(100) collate nocase,
  debet currency real,
  kredit currency real,
  primary key (ID_Vouc, nomor)
);
-- Finds an account's lines in voucher order (the general ledger reads them by account).
create index TR_VOUC_account on TR_VOUC (account_id, ID_Vouc, debet, kredit);
-- Covers the posting's one pass over the lines in voucher-key order, merged with T_VOUC_date;
-- within a voucher it keeps the lines in their numbered order, as the key does.
create index TR_VOUC_voucher on TR_VOUC (ID_Vouc, nomor, account_id, debet, kredit);

create table trial_balance (
  account_id int primary key,
  saldo_awal_d currency real,
  saldo_awal_k currency real,
  b1_mutasi_d currency real,
  b1_mutasi_k currency real,
  b1_ajp_d currency real,
  b1_ajp_k currency real,
  b2_mutasi_d currency real,
  b2_mutasi_k currency real,
  b2_ajp_d currency real,
  b2_ajp_k currency real,
  b3_mutasi_d currency real,
  b3_mutasi_k currency real,
  b3_ajp_d currency real,
  b3_ajp_k currency real,
  b4_mutasi_d currency real,
  b4_mutasi_k currency real,
  b4_ajp_d currency real,
  b4_ajp_k currency real,
  b5_mutasi_d currency real,
  b5_mutasi_k currency real,
  b5_ajp_d currency real,
  b5_ajp_k currency real,
  b6_mutasi_d currency real,
  b6_mutasi_k currency real,
  b6_ajp_d currency real,
  b6_ajp_k currency real,
  b7_mutasi_d currency real,
  b7_mutasi_k currency real,
  b7_ajp_d currency real,
  b7_ajp_k currency real,
  b8_mutasi_d currency real,
  b8_mutasi_k currency real,
  b8_ajp_d currency real,
  b8_ajp_k currency real,
  b9_mutasi_d currency real,
  b9_mutasi_k currency real,
  b9_ajp_d currency real,
  b9_ajp_k currency real,
  b10_mutasi_d currency real,
  b10_mutasi_k currency real,
  b10_ajp_d currency real,
  b10_ajp_k currency real,
  b11_mutasi_d currency real,
  b11_mutasi_k currency real,
  b11_ajp_d currency real,
  b11_ajp_k currency real,
  b12_mutasi_d currency real,
  b12_mutasi_k currency real,
  b12_ajp_d currency real,
  b12_ajp_k currency real
);

create table posting (
  tahun integer,
  account_id int primary key,
  pos_awal currency real,
  pos_b1 currency real,
  pos_b2 currency real,
  pos_b3 currency real,
  pos_b4 currency real,
  pos_b5 currency real,
  pos_b6 currency real,
  pos_b7 currency real,
  pos_b8 currency real,
  pos_b9 currency real,
  pos_b10 currency real,
  pos_b11 currency real,
  pos_b12 currency real
);

create table anggaran (
  account_id integer,
  anggaran_b1 currency real,
  anggaran_b2 currency real,
  anggaran_b3 currency real,
  anggaran_b4 currency real,
  anggaran_b5 currency real,
  anggaran_b6 currency real,
  anggaran_b7 currency real,
  anggaran_b8 currency real,
  anggaran_b9 currency real,
  anggaran_b10 currency real,
  anggaran_b11 currency real,
  anggaran_b12 currency real,
  realisasi_b1 currency real,
  realisasi_b2 currency real,
  realisasi_b3 currency real,
  realisasi_b4 currency real,
  realisasi_b5 currency real,
  realisasi_b6 currency real,
  realisasi_b7 currency real,
  realisasi_b8 currency real,
  realisasi_b9 currency real,
  realisasi_b10 currency real,
  realisasi_b11 currency real,
  realisasi_b12 currency real
);
create index anggaran_account on anggaran (account_id);

-- Work table of the budget window; no key, rows are written back by rowid.
create table to_anggaran (
  account_id integer,
  account_name text(100) collate nocase,
  anggaran_b1 currency real,
  anggaran_b2 currency real,
  anggaran_b3 currency real,
  anggaran_b4 currency real,
  anggaran_b5 currency real,
  anggaran_b6 currency real,
  anggaran_b7 currency real,
  anggaran_b8 currency real,
  anggaran_b9 currency real,
  anggaran_b10 currency real,
  anggaran_b11 currency real,
  anggaran_b12 currency real,
  jumlah currency real,
  account_code text(50) collate nocase,
  account_sub integer
);

create table lap_neraca (
  noid integer primary key autoincrement,
  kode_d text(50) collate nocase,
  nama_d text(50) collate nocase,
  jumlah_d currency real,
  header_d integer,
  kode_k text(50) collate nocase,
  nama_k text(50) collate nocase,
  jumlah_k currency real,
  header_k integer
);

-- no_urut is always inserted null, so it numbers the rows in the order they were written.
create table lap_LR (
  no_urut integer primary key,
  account_code text(50) collate nocase,
  account_name text(100) collate nocase,
  jumlah currency real,
  header integer
);

create table lap_cash_flow (
  tanggal date,
  no_bukti text(50) collate nocase,
  account_code text(50) collate nocase,
  keterangan text(50) collate nocase,
  debet currency real,
  kredit currency real,
  saldo currency real
);

create table lap_jmk1 (
  no_jmk text(50) collate nocase,
  tanggal date,
  no_bukti text(50) collate nocase,
  uraian text(200) collate nocase
);

create table lap_jmk2 (
  no_jmk text(50) collate nocase,
  kode_akun text(50) collate nocase,
  uraian text(50) collate nocase,
  debet currency real,
  kredit currency real
);

create table lap_bukubesar (
  account_id integer,
  account_code text(15) collate nocase,
  tanggal date,
  voucher_no text(50) collate nocase,
  voucher_desc text(50) collate nocase,
  debit currency real,
  credit currency real
);
create index lap_bukubesar_account on lap_bukubesar (account_id);

create table ref_anggota (
  kode text(20) collate nocase primary key,
  nik text(15) collate nocase,
  nama text(50) collate nocase,
  tgl_lahir date,
  tmp_lahir text(50) collate nocase,
  alamat text(50) collate nocase,
  telp text(50) collate nocase,
  hp text(50) collate nocase,
  sex text(50) collate nocase,
  platform_pinjaman float,
  status_anggota boolean not null default 0,
  gaji_pokok currency real,
  id_unit integer,
  jabatan text(50) collate nocase
);
create index ref_anggota_nik on ref_anggota (nik);

create table salary (
  noid integer primary key autoincrement,
  kode text(50) collate nocase,
  tanggal date,
  bulan smallint,
  gaji_pokok currency real,
  uang_makan currency real,
  uang_lembur currency real,
  Transport currency real,
  Bonus currency real,
  Tunjangan currency real,
  pinjaman1 currency real,
  pinjaman2 currency real,
  penggantian_barang currency real,
  pengambilan_barang currency real,
  gaji_total currency real,
  catatan text(100) collate nocase
);
create index salary_employee on salary (kode, bulan);

-- noid is never reused: its text is also the key of the entry's voucher.
create table kasbon (
  noid integer primary key autoincrement,
  kode text(20) collate nocase,
  tanggal date,
  keterangan text(50) collate nocase,
  debet currency real,
  kredit currency real,
  id_unit integer,
  no_bukti text(50) collate nocase
);
create index kasbon_employee on kasbon (kode);
-- The cash-voucher list reads one unit and month of headers.
create index T_VOUC_unit_date on T_VOUC (id_unit, tgl_vouc);

create view v_realisasi as
select d.account_id as account_id, h.tgl_vouc as tgl_vouc, d.debet as debet, d.kredit as kredit,
       h.ajp as ajp
from TR_VOUC d
join T_VOUC h on h.ID_Vouc = d.ID_Vouc;

-- The cash-voucher list and the cash book read ordinary vouchers only.
create view v_cash_Flow as
select h.ID_Vouc as ID_Vouc, h.No_Vouc as No_Vouc, h.tgl_vouc as tgl_vouc, h.jumlah as jumlah,
       h.ket as ket, h.ajp as ajp, h.id_unit as id_unit, d.account_id as account_id,
       d.account_code as account_code, c.account_name as account_name,
       c.account_pos as account_pos, d.uraian as uraian, d.debet as debet, d.kredit as kredit
from TR_VOUC d
join T_VOUC h on h.ID_Vouc = d.ID_Vouc
left join coa c on c.account_id = d.account_id
where h.ajp = 0 or h.ajp is null;

create view v_TRvouc as
select h.ID_Vouc as ID_Vouc, h.No_Vouc as No_Vouc, h.tgl_vouc as tgl_vouc, h.jumlah as jumlah,
       h.ket as ket, h.ajp as ajp, h.id_unit as id_unit, d.account_id as account_id,
       d.account_code as account_code, c.account_name as account_name,
       c.account_pos as account_pos, d.uraian as uraian, d.debet as debet, d.kredit as kredit
from TR_VOUC d
join T_VOUC h on h.ID_Vouc = d.ID_Vouc
left join coa c on c.account_id = d.account_id;

create view v_coa as
select c.account_id as account_id, c.account_code as account_code,
       c.account_name as account_name, c.account_cat as account_cat,
       c.account_pos as account_pos, c.sub as sub, c.account_header as account_header,
       c.account_sub as account_sub, c.saldo_awal as saldo_awal, p.nomor as nomor,
       u.kode_unit as kode_unit, u.nama_unit as nama_unit
from coa c
left join posisi_coa p on p.nomor = c.account_cat
left join ref_unit u on u.id_unit = c.account_sub;

create view v_posting as
select p.account_id as account_id, c.account_code as account_code,
       c.account_name as account_name, c.account_cat as account_cat,
       c.account_pos as account_pos, c.account_sub as account_sub, c.sub as sub,
       c.account_header as account_header, p.pos_awal as pos_awal,
       p.pos_b1 as pos_b1,
       p.pos_b2 as pos_b2,
       p.pos_b3 as pos_b3,
       p.pos_b4 as pos_b4,
       p.pos_b5 as pos_b5,
       p.pos_b6 as pos_b6,
       p.pos_b7 as pos_b7,
       p.pos_b8 as pos_b8,
       p.pos_b9 as pos_b9,
       p.pos_b10 as pos_b10,
       p.pos_b11 as pos_b11,
       p.pos_b12 as pos_b12
from posting p
left join coa c on c.account_id = p.account_id;

create view v_trial_balance as
select t.*, c.account_code as account_code, c.account_name as account_name,
       c.account_cat as account_cat, c.account_pos as account_pos, c.sub as sub,
       c.account_header as account_header, c.account_sub as account_sub,
       ifnull(t.saldo_awal_d, 0)
    + ifnull(t.b1_mutasi_d, 0) + ifnull(t.b1_ajp_d, 0)
    + ifnull(t.b2_mutasi_d, 0) + ifnull(t.b2_ajp_d, 0)
    + ifnull(t.b3_mutasi_d, 0) + ifnull(t.b3_ajp_d, 0)
    + ifnull(t.b4_mutasi_d, 0) + ifnull(t.b4_ajp_d, 0)
    + ifnull(t.b5_mutasi_d, 0) + ifnull(t.b5_ajp_d, 0)
    + ifnull(t.b6_mutasi_d, 0) + ifnull(t.b6_ajp_d, 0)
    + ifnull(t.b7_mutasi_d, 0) + ifnull(t.b7_ajp_d, 0)
    + ifnull(t.b8_mutasi_d, 0) + ifnull(t.b8_ajp_d, 0)
    + ifnull(t.b9_mutasi_d, 0) + ifnull(t.b9_ajp_d, 0)
    + ifnull(t.b10_mutasi_d, 0) + ifnull(t.b10_ajp_d, 0)
    + ifnull(t.b11_mutasi_d, 0) + ifnull(t.b11_ajp_d, 0)
    + ifnull(t.b12_mutasi_d, 0) + ifnull(t.b12_ajp_d, 0) as saldo_akhir_d,
       ifnull(t.saldo_awal_k, 0)
    + ifnull(t.b1_mutasi_k, 0) + ifnull(t.b1_ajp_k, 0)
    + ifnull(t.b2_mutasi_k, 0) + ifnull(t.b2_ajp_k, 0)
    + ifnull(t.b3_mutasi_k, 0) + ifnull(t.b3_ajp_k, 0)
    + ifnull(t.b4_mutasi_k, 0) + ifnull(t.b4_ajp_k, 0)
    + ifnull(t.b5_mutasi_k, 0) + ifnull(t.b5_ajp_k, 0)
    + ifnull(t.b6_mutasi_k, 0) + ifnull(t.b6_ajp_k, 0)
    + ifnull(t.b7_mutasi_k, 0) + ifnull(t.b7_ajp_k, 0)
    + ifnull(t.b8_mutasi_k, 0) + ifnull(t.b8_ajp_k, 0)
    + ifnull(t.b9_mutasi_k, 0) + ifnull(t.b9_ajp_k, 0)
    + ifnull(t.b10_mutasi_k, 0) + ifnull(t.b10_ajp_k, 0)
    + ifnull(t.b11_mutasi_k, 0) + ifnull(t.b11_ajp_k, 0)
    + ifnull(t.b12_mutasi_k, 0) + ifnull(t.b12_ajp_k, 0) as saldo_akhir_k
from trial_balance t
left join coa c on c.account_id = t.account_id;

create view v_anggaran as
select a.account_id as account_id, c.account_code as account_code,
       c.account_name as account_name, c.account_cat as account_cat,
       c.account_sub as account_sub,
       a.anggaran_b1 as anggaran_b1,
       a.anggaran_b2 as anggaran_b2,
       a.anggaran_b3 as anggaran_b3,
       a.anggaran_b4 as anggaran_b4,
       a.anggaran_b5 as anggaran_b5,
       a.anggaran_b6 as anggaran_b6,
       a.anggaran_b7 as anggaran_b7,
       a.anggaran_b8 as anggaran_b8,
       a.anggaran_b9 as anggaran_b9,
       a.anggaran_b10 as anggaran_b10,
       a.anggaran_b11 as anggaran_b11,
       a.anggaran_b12 as anggaran_b12
from anggaran a
left join coa c on c.account_id = a.account_id;

create view v_lap_anggaran as
select c.account_code as account_code, c.account_name as account_name,
       c.account_cat as account_cat, p.keterangan as keterangan,
       a.anggaran_b1 as anggaran_b1,
       a.anggaran_b2 as anggaran_b2,
       a.anggaran_b3 as anggaran_b3,
       a.anggaran_b4 as anggaran_b4,
       a.anggaran_b5 as anggaran_b5,
       a.anggaran_b6 as anggaran_b6,
       a.anggaran_b7 as anggaran_b7,
       a.anggaran_b8 as anggaran_b8,
       a.anggaran_b9 as anggaran_b9,
       a.anggaran_b10 as anggaran_b10,
       a.anggaran_b11 as anggaran_b11,
       a.anggaran_b12 as anggaran_b12,
       a.realisasi_b1 as realisasi_b1,
       a.realisasi_b2 as realisasi_b2,
       a.realisasi_b3 as realisasi_b3,
       a.realisasi_b4 as realisasi_b4,
       a.realisasi_b5 as realisasi_b5,
       a.realisasi_b6 as realisasi_b6,
       a.realisasi_b7 as realisasi_b7,
       a.realisasi_b8 as realisasi_b8,
       a.realisasi_b9 as realisasi_b9,
       a.realisasi_b10 as realisasi_b10,
       a.realisasi_b11 as realisasi_b11,
       a.realisasi_b12 as realisasi_b12
from anggaran a
join coa c on c.account_id = a.account_id
left join posisi_coa p on p.nomor = c.account_cat;

create view v_salary as
select s.*, e.nik as nik, e.nama as nama, e.jabatan as jabatan, e.id_unit as id_unit,
       u.kode_unit as kode_unit, u.nama_unit as nama_unit
from salary s
left join ref_anggota e on e.kode = s.kode
left join ref_unit u on u.id_unit = e.id_unit;

create view v_kasbon as
select k.*, e.nik as nik, e.nama as nama, u.nama_unit as nama_unit
from kasbon k
left join ref_anggota e on e.kode = k.kode
left join ref_unit u on u.id_unit = k.id_unit;

-- Unit 10 comes first by name, by code and in table order.
insert into ref_unit values (10, '1', 'Kalvera');
insert into ref_unit values (11, '2', 'Kalvera ZIVU');
insert into ref_unit values (12, '3', 'Kalvera Duvize');

insert into sis_tipeuser values ('1', 'Administrator');
insert into sis_tipeuser values ('2', 'Supervisor');
insert into sis_tipeuser values ('3', 'Operator');

insert into sis_user values ('tukan', 'tukan', 'Tukan', '1', 0);

-- The control accounts stay empty until the settings window picks them from the chart.
insert into ref_sistem (npt, apt, tpt, ppt, keterangan, ref_tahun, first_mnt, last_mnt)
values ('KALVERA', '-', '-', '-', '-', 2020, 1, 12);
