#!/usr/bin/env python3
"""Checks resources/comandos.xml with a parser of its own, against the dictionary's capacities
and against the raw protocol table: every command the printer accepts is listed, under the
same name and extensions, and nothing else is.

Usage: check_comandos_xml.py <comandos.xml> <PROTOCOL.md>
"""
import re
import sys
import xml.etree.ElementTree as ET

MAX_GROUPS, MAX_COMMANDS, MAX_EXTENSIONS, MAX_FIELDS, MAX_ANSWERS = 20, 20, 8, 15, 30
MAX_TEXT = 59

errors = []


def fail(message):
    errors.append(message)


def text_of(parent, tag, where):
    child = parent.find(tag)
    if child is None:
        fail(f"{where}: no <{tag}>")
        return ""
    value = child.text or ""
    if len(value) > MAX_TEXT:
        fail(f"{where}: <{tag}> longer than {MAX_TEXT} characters: {value!r}")
    return value


def children_in_order(element, expected):
    """Tags of `element`'s children must follow the order the reader searches in."""
    rank = {tag: i for i, tag in enumerate(expected)}
    last = -1
    for child in element:
        if child.tag not in rank:
            fail(f"unexpected <{child.tag}> inside <{element.tag}>")
            continue
        if rank[child.tag] < last:
            fail(f"<{child.tag}> out of order inside <{element.tag}>")
        last = rank[child.tag]


def protocol_commands(path):
    """code -> (name, set of extensions) from the protocol table."""
    commands = {}
    row = re.compile(r"^\|\s*([0-9A-Fa-f]{4})\s*\|\s*([0-9A-Fa-f /]+?)\s*\|\s*([^|]+?)\s*\|")
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = row.match(line)
            if m:
                extensions = {e.strip().upper() for e in m.group(2).split("/")}
                commands[m.group(1).upper()] = (m.group(3), extensions)
    return commands


def main(xml_path, protocol_path):
    with open(xml_path, "rb") as f:
        head = f.readline()
    if b'encoding="windows-1252"' not in head:
        fail("the XML declaration does not say encoding=\"windows-1252\"")
    try:
        root = ET.parse(xml_path).getroot()
    except ET.ParseError as e:
        print(f"not well-formed: {e}")
        return 1
    if root.tag != "COMANDOS":
        fail(f"document element is <{root.tag}>, not <COMANDOS>")
    groups = root.findall("GRUPO")
    if not groups or len(groups) > MAX_GROUPS:
        fail(f"{len(groups)} groups (1 to {MAX_GROUPS} allowed)")
    listed = {}
    for g, group in enumerate(groups, 1):
        children_in_order(group, ["NOME", "COMANDO"])
        group_name = text_of(group, "NOME", f"group {g}")
        commands = group.findall("COMANDO")
        if not commands or len(commands) > MAX_COMMANDS:
            fail(f"group {group_name!r}: {len(commands)} commands (1 to {MAX_COMMANDS} allowed)")
        for command in commands:
            children_in_order(command, ["NOME", "NUMERO", "EXTENSAO", "CAMPO", "RETORNO"])
            code = text_of(command, "NUMERO", f"group {group_name!r}").upper()
            where = f"command {code}"
            name = text_of(command, "NOME", where)
            if not name or "-" in name:
                fail(f"{where}: name {name!r} is empty or contains '-'")
            if not re.fullmatch(r"[0-9A-F]{4}", code):
                fail(f"{where}: code is not four hexadecimal digits")
            if code in listed:
                fail(f"{where}: listed twice")
            extensions = command.findall("EXTENSAO")
            fields = command.findall("CAMPO")
            answers = command.findall("RETORNO")
            for items, limit, what in ((extensions, MAX_EXTENSIONS, "extensions"),
                                       (fields, MAX_FIELDS, "fields"),
                                       (answers, MAX_ANSWERS, "answer fields")):
                if len(items) > limit:
                    fail(f"{where}: {len(items)} {what}, at most {limit}")
            values = set()
            for extension in extensions:
                children_in_order(extension, ["VALOR", "DESCRICAO"])
                values.add(text_of(extension, "VALOR", where).upper())
                text_of(extension, "DESCRICAO", where)
            for item in fields:
                children_in_order(item, ["DESCRICAO", "DEFAULT"])
                text_of(item, "DESCRICAO", where)
                default = text_of(item, "DEFAULT", where)
                if "|" in default:
                    fail(f"{where}: default {default!r} contains '|'")
            for item in answers:
                text_of(item, "DESCRICAO", where)
            listed[code] = (name, values)

    protocol = protocol_commands(protocol_path)
    if not protocol:
        fail("no commands found in the protocol table")
    for code in sorted(set(protocol) - set(listed)):
        fail(f"command {code} of the protocol is missing from the dictionary")
    for code in sorted(set(listed) - set(protocol)):
        fail(f"command {code} is not in the protocol")
    for code in sorted(set(listed) & set(protocol)):
        if listed[code] != protocol[code]:
            fail(f"command {code}: dictionary says {listed[code]}, protocol says {protocol[code]}")

    for message in errors:
        print(message)
    print(f"{len(listed)} commands in {len(groups)} groups, {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
