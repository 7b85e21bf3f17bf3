#pragma once
// Voucher storage and numbering: a header row in T_VOUC and line rows in TR_VOUC.
// Text values are quoted here; amounts, ids and line numbers come as SQL number text (SqlNumber)
// and anything else there is refused before a statement runs. Every statement runs on Query4,
// except the numbering, which reads through Query1.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ledger/SharedBooks.h"
#include "platform/core/DateTime.h"

class TDtModule;

struct TVoucherHeader {
    std::string IdVouc;
    std::string NoVouc;
    TDateTime TglVouc = 0;
    std::string Jumlah;
    std::string Ket;
    std::string IdUnit;
};

struct TVoucherLine {
    std::string Nomor;
    std::string AccountId;
    std::string AccountCode;
    std::string Uraian;
    std::string Debet;
    std::string Kredit;
};

// What a save or delete checks in its transaction before it writes (EChangedByOther when either
// fails): the book year the window works in, and the voucher as the window showed it (a copy without
// its header: it was gone when the window read it).
struct TVoucherCheck {
    std::optional<int> BookYear;
    std::optional<TRowImage> AsRead;
};

// The header and lines of the key as they are now: what a window shows, for its save to check against.
TRowImage ReadVoucher(TDtModule& dm, const std::string& IdVouc);

// ReadVoucher for every key the select answers, in one statement: a window reads them in the same
// read as its list (a TTransaction that does not lock the book), so that what it shows and what its
// save checks against agree.
std::map<std::string, TRowImage> ReadVouchers(TDtModule& dm, const std::string& keysSelect);

// Runs the check inside a write transaction the caller holds, for a write of its own.
void CheckVoucher(TDtModule& dm, const std::string& IdVouc, const TVoucherCheck& check);

// Removes the header and every line of the key, both or neither.
void DeleteVoucher(TDtModule& dm, const std::string& IdVouc, const TVoucherCheck& check = {});

// Replaces the voucher of the key with a header (ajp false); its old lines go too.
// Delete and insert run in one transaction.
void SaveVoucherHeader(TDtModule& dm, const std::string& IdVouc, const std::string& NoVouc, TDateTime TglVouc,
    const std::string& Jumlah, const std::string& Ket, const std::string& IdUnit);

void SaveVoucherLine(TDtModule& dm, const std::string& IdVouc, const std::string& Nomor,
    const std::string& AccountId, const std::string& AccountCode, const std::string& Uraian,
    const std::string& Debet, const std::string& Kredit);

// One save: the old voucher of the key is deleted and the header and lines written in one
// transaction. When any statement fails the old voucher is still there and the error reaches the caller.
void SaveVoucher(TDtModule& dm, const TVoucherHeader& header, const std::vector<TVoucherLine>& lines,
    const TVoucherCheck& check = {});

// "009", "010", "099", "100", "1000".
std::string PadNumber3(int N);

// Proposes the next free number of a unit: Kind 1 cash voucher ("1007"), 2 adjusting entry ("Ajp1007");
// Unit is the unit digit "1", "2" or "3". Any other Kind leaves Number unchanged; any other Unit
// raises EConvertError and leaves it unchanged.
void NextVoucherNumber(TDtModule& dm, int Kind, const std::string& Unit, std::string& Number);
