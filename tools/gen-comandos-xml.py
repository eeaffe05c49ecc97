#!/usr/bin/env python3
"""Writes resources/comandos.xml, the dictionary of the virtual printer's raw commands.

The table below is the source; the XML is committed beside it. Run from anywhere:
    python3 tools/gen-comandos-xml.py
"""
from pathlib import Path
from xml.sax.saxutils import escape

# (group name, [(name, code, [(extension, description)], [(field, default)], [answer fields])])
E0 = [("0000", "Padrão")]


def numbered(label, count, width=2):
    return [f"{label} {i:0{width}d}" for i in range(1, count + 1)]


GROUPS = [
    ("Leituras", [
        ("Ler estado da impressora", "0001", E0, [], ["Estado da impressora (20 caracteres)"]),
        ("Ler data e hora", "0002", E0, [], ["Data (DDMMAAAA)", "Hora (hhmmss)"]),
        ("Ler dados da impressora", "0003", E0, [],
         ["Número de série da memória fiscal", "Número de série da MFD", "Fabricante",
          "Modelo", "Tipo", "Versão do software básico"]),
        ("Ler dados do usuario", "0004", E0, [],
         ["C.N.P.J", "Inscrição estadual", "Inscrição municipal"]),
        ("Ler numero do usuario", "0005", E0, [], ["Número do usuário"]),
        ("Ler casas decimais", "0006", E0, [],
         ["Casas decimais da quantidade", "Casas decimais do preço unitário"]),
        ("Ler cliche", "0007", E0, [], numbered("Linha do clichê", 4, 1)),
        ("Ler numero do ECF e loja", "0008", E0, [],
         ["Número do ECF (3 dígitos)", "Número da loja (4 dígitos)"]),
        ("Ler simbolo da moeda", "0009", E0, [], ["Símbolo da moeda"]),
        ("Ler horario de verao", "000A", E0, [], ["Horário de verão (1 ativo, 0 inativo)"]),
        ("Ler desconto ISSQN", "000B", E0, [], ["Desconto em itens ISSQN (S ou N)"]),
        ("Ler operador", "000C", E0, [], ["Operador"]),
        ("Ler microchaves", "000D", E0, [], ["Microchaves (4 dígitos hexadecimais)"]),
        ("Ler dados da jornada", "000E", E0, [],
         ["Data do início da jornada", "Hora do início da jornada",
          "Data do final da jornada", "Hora do final da jornada", "COO inicial", "COO final",
          "Última redução Z", "Reduções Z restantes", "Primeiro cupom fiscal",
          "Último cupom fiscal", "Jornada aberta (1 ou 0)", "Limite da jornada atingido (1 ou 0)",
          "Início de novo dia permitido (1 ou 0)"]),
        ("Ler log de eventos", "000F", E0, [],
         [f"Evento {i:02d} (27 caracteres, o mais recente primeiro)" for i in range(1, 11)]),
        ("Ler arredonda trunca fabricacao", "0010", E0, [],
         ["Arredonda (S) ou trunca (N)", "Fabricação própria (S ou N)"]),
        ("Ler tabela de aliquotas", "0011", E0, [],
         [f"Alíquota {i:02d}: código (2) e valor (4)" for i in range(1, 19)]),
        ("Ler tabela de pagamentos", "0012", E0, [],
         [f"Pagamento {i:02d}: número, nome (15) e vinculado (S/N)" for i in range(1, 21)]),
        ("Ler tabela de nao fiscais", "0013", E0, [],
         [f"Totalizador não fiscal {i:02d}: número e nome (15)" for i in range(1, 21)]),
        ("Ler tabela de relatorios gerenciais", "0014", E0, [],
         [f"Relatório gerencial {i:02d}: número e nome (15)" for i in range(1, 21)]),
    ]),
    ("Configurações", [
        ("Ajustar relogio", "0101", E0,
         [("Data (DDMMAAAA)", "01012026"), ("Hora (hhmmss)", "120000"),
          ("Modo (1 ajusta, 0 entrada forçada em MIT)", "1")], []),
        ("Alternar horario de verao", "0102", E0, [],
         ["Novo estado do horário de verão (1 ativo, 0 inativo)"]),
        ("Configurar cliche", "0103", E0,
         [("Linha 1 do clichê (até 56 caracteres)", "LOJA EXEMPLO"),
          ("Linha 2 do clichê (até 56 caracteres)", "RUA DAS FLORES, 100"),
          ("Linha 3 do clichê (até 56 caracteres)", "CENTRO"),
          ("Linha 4 do clichê (até 56 caracteres)", "SÃO PAULO SP"),
          ("Número do ECF (3 dígitos)", "001"), ("Número da loja (4 dígitos)", "0001")], []),
        ("Configurar simbolo da moeda", "0104", E0,
         [("Símbolo da moeda (até 4 caracteres)", "R$")], []),
        ("Configurar velocidade serial", "0105", E0,
         [("Velocidade (9600, 19200 ou 38400)", "9600")], []),
        ("Configurar desconto ISSQN", "0106", E0,
         [("Desconto em itens ISSQN (1 permite, 0 proíbe)", "0")], []),
        ("Configurar operador", "0107", E0,
         [("Nome do operador (até 20 caracteres)", "OPERADOR")], []),
        ("Incluir inscricao municipal", "0108", E0,
         [("Inscrição municipal (até 20 caracteres)", "12345678")], []),
        ("Configurar casas decimais", "0109", E0,
         [("Casas decimais da quantidade (2 ou 3)", "3"),
          ("Casas decimais do preço unitário (2 ou 3)", "2")], []),
        ("Configurar arredonda trunca fabricacao", "010A", E0,
         [("Arredonda (A) ou trunca (T)", "A"), ("Fabricação própria (S ou N)", "N")], []),
    ]),
    ("Tabelas", [
        ("Cadastrar aliquota", "0201", E0,
         [("Alíquota (4 dígitos, 2 decimais)", "1800"), ("Tipo (0 ICMS, 1 ISSQN)", "0")],
         ["Código dado à alíquota"]),
        ("Excluir aliquota", "0202", E0, [("Código da alíquota (Ta a Tr, Sa a Sr)", "Ta")], []),
        ("Cadastrar meio de pagamento", "0203", E0,
         [("Vinculado (1 sim, 0 não)", "0"), ("Número (02 a 20)", "02"),
          ("Nome (até 15 caracteres)", "CARTAO")], []),
        ("Excluir meio de pagamento", "0204", E0, [("Número (02 a 20)", "02")], []),
        ("Cadastrar totalizador nao fiscal", "0205", E0,
         [("Nome (até 15 caracteres)", "SUPRIMENTO")], ["Número dado ao totalizador"]),
        ("Excluir totalizador nao fiscal", "0206", E0, [("Número (03 a 20)", "03")], []),
        ("Cadastrar relatorio gerencial", "0207", E0,
         [("Nome (até 15 caracteres)", "FECHAMENTO")], ["Número dado ao relatório"]),
        ("Excluir relatorio gerencial", "0208", E0, [("Número (02 a 20)", "02")], []),
    ]),
    ("Usuário e MFD", [
        ("Gravar usuario", "0301", E0,
         [("C.N.P.J (14 dígitos) ou C.P.F (11 dígitos)", "11222333000181"),
          ("Inscrição estadual", "110042490114"), ("Inscrição municipal", ""),
          ("Senha de gravação (até 8 caracteres)", ""),
          ("Casas decimais da quantidade (02 ou 03)", "03"),
          ("Casas decimais do preço unitário (02 ou 03)", "02")], []),
        ("Confirmar usuario", "0302", E0, [],
         ["C.N.P.J", "Inscrição estadual", "Inscrição municipal", "Número do usuário",
          "Data (DDMMAAAA)", "Hora (hhmmss)"]),
        ("Iniciar nova MFD", "0303", E0, [], []),
    ]),
    ("Assinatura digital", [
        ("Carregar chave de assinatura", "0401", E0,
         [("Texto da chave (520 caracteres hexadecimais)", "")],
         ["Número de série da memória fiscal", "C.N.P.J", "Inscrição estadual",
          "Número do usuário", "Data (DDMMAAAA)"]),
        ("Habilitar chave de assinatura", "0402", E0, [], []),
        ("Ler chave publica", "0403", E0, [], ["Chave pública"]),
    ]),
    ("Relatórios fiscais", [
        ("Leitura X", "0501", E0, [], []),
        ("Reducao Z", "0502", E0,
         [("Data para ajuste de até 5 minutos (DDMMAAAA ou vazia)", ""),
          ("Hora para ajuste de até 5 minutos (hhmmss ou vazia)", ""),
          ("Horário de verão (0 sai, 1 entra, 2 mantém)", "2")], []),
        ("Leitura da memoria fiscal", "0503", E0,
         [("Início (CRZ ou data DDMMAAAA)", "000001"), ("Fim (CRZ ou data DDMMAAAA)", "000001"),
          ("Modo (4 completa CRZ, 5 completa data, 6 e 7 simplif.)", "6")], []),
        ("Abertura do dia", "0504", E0, [], []),
        ("Leitura da MFD", "0505",
         [("0000", "Faixa por COO"), ("0001", "Faixa por data (DDMMAAAA)"),
          ("0002", "Faixa por CRZ")],
         [("Início da faixa", "000001"), ("Fim da faixa", "000001")], []),
    ]),
    ("Atualização do software básico", [
        ("Iniciar etapa de atualizacao", "0560", E0, [], []),
        ("Enviar linha de dados", "0562", E0, [("Linha de dados do arquivo de atualização", "")], []),
        ("Enviar cabecalho", "0563", E0, [("Linha de cabeçalho da etapa", "")], []),
        ("Ler variante", "0565", E0, [], ["Texto cujo nono caractere é a variante"]),
        ("Ler versao do software basico", "0566", E0, [], ["Versão do software básico"]),
        ("Ler modelo da placa", "0567", E0, [], ["Modelo da placa"]),
        ("Finalizar etapa", "056A", E0, [], []),
        ("Iniciar atualizacao", "056B", E0, [("Procedimento (00.12 BRF ou 1.02 BRF)", "1.02 BRF")], []),
        ("Encerrar atualizacao", "056C", E0, [("Procedimento (00.12 BRF ou 1.02 BRF)", "1.02 BRF")], []),
    ]),
]


def element(name, text, indent):
    return f"{'  ' * indent}<{name}>{escape(text)}</{name}>"


def command_lines(name, code, extensions, fields, answers):
    lines = ["    <COMANDO>", element("NOME", name, 3), element("NUMERO", code, 3)]
    for value, description in extensions:
        lines += ["      <EXTENSAO>", element("VALOR", value, 4), element("DESCRICAO", description, 4),
                  "      </EXTENSAO>"]
    for description, default in fields:
        lines += ["      <CAMPO>", element("DESCRICAO", description, 4), element("DEFAULT", default, 4),
                  "      </CAMPO>"]
    for description in answers:
        lines += ["      <RETORNO>", element("DESCRICAO", description, 4), "      </RETORNO>"]
    lines.append("    </COMANDO>")
    return lines


def main():
    lines = ['<?xml version="1.0" encoding="windows-1252"?>',
             "<!-- Comandos do protocolo da impressora fiscal Korva. -->", "<COMANDOS>"]
    for group, commands in GROUPS:
        lines += ["  <GRUPO>", element("NOME", group, 2)]
        for command in commands:
            lines += command_lines(*command)
        lines.append("  </GRUPO>")
    lines.append("</COMANDOS>")
    target = Path(__file__).resolve().parent.parent / "resources" / "comandos.xml"
    target.write_bytes(("\n".join(lines) + "\n").encode("cp1252"))


if __name__ == "__main__":
    main()
