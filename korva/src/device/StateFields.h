// The fields of the state file, in the order the file has them, written to a JSON sink: the
// file's text (stateText) or the document toJson gives. A sink has key(name), which returns the
// sink for the value, beginObject/endObject, beginArray/endArray, string, boolean, null and
// number. With one list for both, the file and the document cannot drift apart.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PrinterState.h"
#include "StateNames.h"

namespace korva {
namespace statefields {

// Every object below lists its keys in alphabetical order, the order the state file has always
// had: a reader comparing two files line by line sees only what changed.

template <typename Out> void write(Out& w, const std::string& text) {
    w.string(text);
}

template <typename Out> void write(Out& w, const NamedEntry& e) {
    w.beginObject();
    w.key("linked").boolean(e.linked);
    w.key("name").string(e.name);
    w.key("number").number(e.number);
    w.key("total").number(e.total);
    w.endObject();
}

template <typename Out> void write(Out& w, const TaxRate& t) {
    w.beginObject();
    w.key("code").string(t.code);
    w.key("rate").string(t.rate);
    w.key("total").number(t.total);
    w.endObject();
}

template <typename Out> void write(Out& w, const Event& e) {
    w.beginObject();
    w.key("command").string(e.command);
    w.key("date").string(e.date);
    w.key("kind").string(std::string_view(&e.kind, 1));
    w.key("sequence").number(e.sequence);
    w.key("time").string(e.time);
    w.endObject();
}

template <typename Out, typename T> void write(Out& w, const std::vector<T>& items) {
    w.beginArray();
    for (const T& item : items) {
        write(w, item);
    }
    w.endArray();
}

template <typename Out> void write(Out& w, const User& u) {
    w.beginObject();
    w.key("cnpj").string(u.cnpj);
    w.key("ie").string(u.ie);
    w.key("im").string(u.im);
    w.key("number").number(u.number);
    w.key("password").string(u.password);
    w.endObject();
}

template <typename Out> void write(Out& w, const std::optional<PendingUser>& pending) {
    if (!pending) {
        w.null();
        return;
    }
    w.beginObject();
    w.key("cnpj").string(pending->cnpj);
    w.key("ie").string(pending->ie);
    w.key("im").string(pending->im);
    w.key("password").string(pending->password);
    w.key("priceDecimals").number(pending->priceDecimals);
    w.key("quantityDecimals").number(pending->quantityDecimals);
    w.endObject();
}

template <typename Out> void write(Out& w, const FiscalDay& d) {
    w.beginObject();
    w.key("coo").number(d.coo);
    w.key("crz").number(d.crz);
    w.key("endDate").string(d.endDate);
    w.key("endTime").string(d.endTime);
    w.key("firstCoo").number(d.firstCoo);
    w.key("firstReceipt").number(d.firstReceipt);
    w.key("grandTotal").number(d.grandTotal);
    w.key("lastCoo").number(d.lastCoo);
    w.key("lastDocumentTime").number(d.lastDocumentTime);
    w.key("lastReceipt").number(d.lastReceipt);
    w.key("lastReductionDate").string(d.lastReductionDate);
    w.key("newDayAllowed").boolean(d.newDayAllowed);
    w.key("open").boolean(d.open);
    w.key("startDate").string(d.startDate);
    w.key("startTime").string(d.startTime);
    w.key("zRemaining").number(d.zRemaining);
    w.endObject();
}

template <typename Out> void write(Out& w, const std::map<std::string, Fault>& faults) {
    w.beginObject();
    for (const auto& [code, fault] : faults) {
        w.key(code).beginObject();
        w.key("remaining").number(fault.remaining);
        w.key("returnCode").string(fault.returnCode);
        w.endObject();
    }
    w.endObject();
}

template <typename Out> void write(Out& w, const Mechanics& m) {
    w.beginObject();
    w.key("authenticationSensor").boolean(m.authenticationSensor);
    w.key("awaitingInsertion").boolean(m.awaitingInsertion);
    w.key("awaitingRemoval").boolean(m.awaitingRemoval);
    w.key("chequeLowerSensor").boolean(m.chequeLowerSensor);
    w.key("chequeUpperSensor").boolean(m.chequeUpperSensor);
    w.key("coverOpen").boolean(m.coverOpen);
    w.key("drawerOpen").boolean(m.drawerOpen);
    w.key("offline").boolean(m.offline);
    w.key("paper").string(stateName(m.paper));
    w.key("printError").boolean(m.printError);
    w.key("slipPaper").string(stateName(m.slipPaper));
    w.key("station").string(stateName(m.station));
    w.endObject();
}

template <typename Out> void write(Out& w, const SignatureKey& k) {
    w.beginObject();
    w.key("publicKey").string(k.publicKey);
    w.key("required").boolean(k.required);
    w.key("state").string(stateName(k.state));
    w.endObject();
}

template <typename Out> void write(Out& w, const UpdateState& u) {
    w.beginObject();
    w.key("dataLines").number(u.dataLines);
    w.key("lastStage").boolean(u.lastStage);
    w.key("stageHasLines").boolean(u.stageHasLines);
    w.key("stageOpen").boolean(u.stageOpen);
    w.key("stagesClosed").number(u.stagesClosed);
    w.key("started").boolean(u.started);
    w.endObject();
}

} // namespace statefields

template <typename Out> void writeState(Out& w, const PrinterState& s) {
    using statefields::write;
    w.beginObject();
    w.key("blockReason").string(stateName(s.blockReason));
    w.key("board").string(s.board);
    w.key("clockOffset").number(s.clockOffset);
    w.key("currency").string(s.currency);
    write(w.key("day"), s.day);
    w.key("daylightSaving").boolean(s.daylightSaving);
    w.key("document").string(stateName(s.document));
    w.key("ecfNumber").string(s.ecfNumber);
    write(w.key("events"), s.events);
    write(w.key("faults"), s.faults);
    w.key("fiscalMemory").string(stateName(s.fiscalMemory));
    write(w.key("header"), s.header);
    w.key("issqnDiscount").boolean(s.issqnDiscount);
    w.key("manufacturer").string(s.manufacturer);
    write(w.key("mechanics"), s.mechanics);
    w.key("mfSerial").string(s.mfSerial);
    w.key("mfdSerial").string(s.mfdSerial);
    w.key("microswitches").number(s.microswitches);
    w.key("mit").boolean(s.mit);
    w.key("mode").string(stateName(s.mode));
    w.key("model").string(s.model);
    write(w.key("nonFiscal"), s.nonFiscal);
    w.key("operator").string(s.operatorName);
    w.key("ownManufacture").boolean(s.ownManufacture);
    write(w.key("payments"), s.payments);
    w.key("pendingSerialSpeed").number(s.pendingSerialSpeed);
    write(w.key("pendingUser"), s.pendingUser);
    w.key("port").string(s.port);
    w.key("portStatus").number(s.portStatus);
    w.key("poweredOn").boolean(s.poweredOn);
    w.key("priceDecimals").number(s.priceDecimals);
    w.key("profile").string(s.profile);
    w.key("quantityDecimals").number(s.quantityDecimals);
    write(w.key("reports"), s.reports);
    w.key("rounds").boolean(s.rounds);
    w.key("salesPeriodOpen").boolean(s.salesPeriodOpen);
    w.key("serialSpeed").number(s.serialSpeed);
    write(w.key("signatureKey"), s.key);
    w.key("slowMs").number(s.slowMs);
    w.key("softwareVersion").string(s.version);
    w.key("storeNumber").string(s.storeNumber);
    write(w.key("taxRates"), s.taxRates);
    w.key("type").string(s.type);
    write(w.key("update"), s.update);
    write(w.key("user"), s.user);
    w.key("variant").string(s.variant);
    w.key("version").number(PrinterState::kVersion);
    w.endObject();
}

} // namespace korva
