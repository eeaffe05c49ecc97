/*
 * InterfaceKorva.h - the fiscal printer library that Morvelan binds against.
 *
 * Any library that exports these 62 entry points with these arguments can stand in for ours
 * (libInterfaceKorva.so, whose virtual printer is documented in korva/README.md). The program
 * looks every entry point up by name, so the declarations below double as the list of names.
 *
 * Conventions shared by every entry point
 * ---------------------------------------
 * - Texts are zero-terminated Windows-1252 strings. Output buffers belong to the caller, who
 *   zero-fills them; the size given for each buffer is the least the caller must provide and the
 *   most the library writes. Where a text fills its buffer exactly (the printer data text, the
 *   three fixed-width tables) no terminating zero is written: the caller's zero-filled buffer, or
 *   its fixed offsets, delimit it.
 * - Every entry point returns an int: KORVA_OK (0) on success, otherwise one of the KORVA_ERRO_*
 *   values. The detail of a failure is in the printer status text that the next
 *   KORVA_Obter_Estado_Impressora returns (20 characters):
 *
 *     0-1   field error code (hex): 00 none, 01 missing text (null pointer), 02 invalid date,
 *           03 invalid time, 04/05 text not empty or invalid date/time, 06 empty text,
 *           07 text too long or malformed
 *     2-3   number of the field in error, counted from 01 in the order of the arguments
 *     4-7   port status (hex)
 *     8-11  printer status word (hex, 16 bits)
 *     12-15 fiscal status word (hex, 16 bits)
 *     16-19 return code, four lower-case hex digits; "0000" is success. A field error always
 *           carries the return code "0004". KORVA_Obter_Mensagem_Erro gives its text.
 *
 * - Calls may come from any thread; the library serialises them.
 * - A "raw command" is the printer's own protocol line: command code "|" extension code, then
 *   "|" and each field ("0001|0000", "0101|0000|01012026|120000|1"). The answer of a raw command
 *   is its fields joined by "|".
 */
#ifndef INTERFACE_KORVA_H
#define INTERFACE_KORVA_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define KORVA_API __declspec(dllexport)
#define KORVA_CALL __stdcall
#else
#define KORVA_API __attribute__((visibility("default")))
#define KORVA_CALL
#endif

/* Return values. */
#define KORVA_OK 0
/* The printer refused the command, or had nothing to answer yet: read the status text. */
#define KORVA_ERRO_COMANDO 1
/* No port is open: call KORVA_Serial_Abrir_PortaAD first. */
#define KORVA_ERRO_PORTA_FECHADA 2
/* The printer does not answer: switched off, cable pulled, or no printer on any port. */
#define KORVA_ERRO_SEM_RESPOSTA 3
/* An argument could not be used (missing, too long, malformed); the status names the field. */
#define KORVA_ERRO_PARAMETRO 4

/* Buffer sizes, in bytes, of the outputs below. */
#define KORVA_TAM_ESTADO 21            /* status text: 20 characters and a zero */
#define KORVA_TAM_MENSAGEM 101         /* message of a return code: 100 characters and a zero */
#define KORVA_TAM_NUMERO_PORTA 7       /* number of the opened port as text; "0" is USB */
#define KORVA_TAM_HORA_RELOGIO 15      /* DDMMAAAAhhmmss and a zero */
#define KORVA_TAM_CLICHE 225           /* four header lines of 56 (or 40) characters and a zero */
#define KORVA_TAM_ECF_LOJA 9           /* ECF number (3) and store number (4) and a zero */
#define KORVA_TAM_DADOS_IMPRESSORA 108 /* printer data text, exactly 108 characters, no zero */
#define KORVA_TAM_DADOS_USUARIO 52     /* C.N.P.J (18), I.E (15), I.M (15) and a zero */
#define KORVA_TAM_SIMBOLO_MOEDA 5      /* up to 4 characters and a zero */
#define KORVA_TAM_DESCONTO_ISS 2       /* "S" or "N" and a zero */
#define KORVA_TAM_ALIQUOTAS 552        /* up to 18 entries of 23 characters and a zero */
#define KORVA_TAM_PAGAMENTOS 880       /* exactly 20 entries of 44 characters, no zero */
#define KORVA_TAM_NAO_FISCAIS 680      /* exactly 20 entries of 34 characters, no zero */
#define KORVA_TAM_RELATORIOS 420       /* exactly 20 entries of 21 characters, no zero */
#define KORVA_TAM_CASAS_DECIMAIS 6     /* "QQ|PP" and a zero */
#define KORVA_TAM_OPERADOR 21          /* up to 20 characters and a zero */
#define KORVA_TAM_JORNADA 68           /* fiscal-day text, 67 characters and a zero */
#define KORVA_TAM_NUMERO_USUARIO 5     /* user number as decimal text and a zero */
#define KORVA_TAM_LOG 271              /* up to 10 event records of 27 characters and a zero */
#define KORVA_TAM_LOG_CONTADOR 4       /* number of characters of the log, decimal, and a zero */
#define KORVA_TAM_SIM_NAO 2            /* "S" or "N" and a zero */
#define KORVA_TAM_RESPOSTA 1025        /* answer of a raw command: 1024 characters and a zero */
#define KORVA_TAM_RESPOSTA_CURTA 10    /* start of the answer of a raw command and a zero */
#define KORVA_TAM_CHAVE_PUBLICA 1282   /* public key text (up to 1280 characters) and a zero */
#define KORVA_TAM_CHAVE_PRIVADA 520    /* key text handed to KORVA_Set_DS_KeyEX, in characters */

/* ---- Port ------------------------------------------------------------------------------- */

/* Opens the port named by `porta` ("COM1".."COM99" or "USB"). Kept for compatibility. */
KORVA_API int KORVA_CALL KORVA_Serial_Abrir_Porta(const char* porta);
/* Opens the port named by `porta`, or, when `porta` is empty, finds the port the printer is on.
 * `numeroPorta` (KORVA_TAM_NUMERO_PORTA) receives the port number as text, "0" for USB.
 * Opening a port restarts the status: until the next command the status answers
 * KORVA_ERRO_COMANDO with an empty text. */
KORVA_API int KORVA_CALL KORVA_Serial_Abrir_PortaAD(const char* porta, char* numeroPorta);
/* As KORVA_Serial_Abrir_PortaAD, at the serial speed `velocidade` (9600, 19200, 38400). */
KORVA_API int KORVA_CALL KORVA_Serial_Abrir_PortaADEX(const char* porta, char* numeroPorta,
                                                      int velocidade);
/* Closes the port, if one is open. Always KORVA_OK. */
KORVA_API int KORVA_CALL KORVA_Serial_Fechar_Porta(void);
/* `estado` (KORVA_TAM_NUMERO_PORTA) receives "1" while a port is open, "0" otherwise. */
KORVA_API int KORVA_CALL KORVA_Serial_Obter_Estado_Com(char* estado);

/* ---- Readings ---------------------------------------------------------------------------- */

/* `estado` (KORVA_TAM_ESTADO) receives the status text of the last exchange. Answers
 * KORVA_ERRO_COMANDO with an empty text when no command was sent since the port was opened,
 * and KORVA_ERRO_SEM_RESPOSTA when the last exchange found no printer. Sends nothing. */
KORVA_API int KORVA_CALL KORVA_Obter_Estado_Impressora(char* estado);
/* `linhas` (KORVA_TAM_CLICHE): the four header lines one after the other, each padded with
 * blanks to the printer's line width (56 on third-generation printers, 40 on the others). */
KORVA_API int KORVA_CALL KORVA_Obter_Cliche_Usuario(char* linhas);
/* `ecfLoja` (KORVA_TAM_ECF_LOJA): ECF number (3 digits) then store number (4 digits). */
KORVA_API int KORVA_CALL KORVA_Obter_Numero_ECF_Loja(char* ecfLoja);
/* `dados` (KORVA_TAM_DADOS_IMPRESSORA): 108 characters, fields padded with blanks:
 * 0-19 fiscal memory serial, 20-39 MFD serial, 40-59 manufacturer, 60-79 model, 80-99 type,
 * 100-107 basic software version. */
KORVA_API int KORVA_CALL KORVA_Obter_Dados_Impressora(char* dados);
/* `dados` (KORVA_TAM_DADOS_USUARIO): 0-17 C.N.P.J, 18-32 I.E, 33-47 I.M, padded with blanks. */
KORVA_API int KORVA_CALL KORVA_Obter_Dados_Usuario(char* dados);
/* `simbolo` (KORVA_TAM_SIMBOLO_MOEDA): the currency symbol. */
KORVA_API int KORVA_CALL KORVA_Obter_Simbolo_Moeda(char* simbolo);
/* `dataHora` (KORVA_TAM_HORA_RELOGIO): DDMMAAAAhhmmss. */
KORVA_API int KORVA_CALL KORVA_Obter_Hora_Relogio(char* dataHora);
/* `estado` receives 1 while the printer is in daylight-saving time, 0 otherwise. */
KORVA_API int KORVA_CALL KORVA_Obter_Estado_Horario_Verao(int* estado);
/* `desconto` (KORVA_TAM_DESCONTO_ISS): "S" when discounts on ISSQN items are allowed, else "N". */
KORVA_API int KORVA_CALL KORVA_Obter_Desconto_Iss(char* desconto);
/* `tabela` (KORVA_TAM_ALIQUOTAS): one 23-character entry per registered rate, in code order:
 * 0-1 code ("Ta".."Tr", "Sa".."Sr"), 2-5 rate (4 digits, two decimals implied), 6-22 the
 * accumulated total (17 digits). */
KORVA_API int KORVA_CALL KORVA_Obter_Tabela_Aliquotas(char* tabela);
/* `tabela` (KORVA_TAM_PAGAMENTOS): 20 entries of 44 characters, one per number 01..20:
 * 0-1 number, 2-16 name padded with blanks (blank when not registered), 17-42 the accumulated
 * total (26 digits), 43 "S" when the method is linked, "N" otherwise. */
KORVA_API int KORVA_CALL KORVA_Obter_Tabela_Pagamentos(char* tabela);
/* `tabela` (KORVA_TAM_NAO_FISCAIS): 20 entries of 34 characters: 0-1 number, 2-16 name,
 * 17-33 the accumulated total (17 digits). */
KORVA_API int KORVA_CALL KORVA_Obter_Tabela_NaoFiscais(char* tabela);
/* `tabela` (KORVA_TAM_RELATORIOS): 20 entries of 21 characters: 0-1 number, 2-16 name,
 * 17-20 how many times the report was issued (4 digits). */
KORVA_API int KORVA_CALL KORVA_Obter_Tabela_Relatorios_Gerenciais(char* tabela);
/* `casas` (KORVA_TAM_CASAS_DECIMAIS): quantity decimals, "|", unit-price decimals ("03|02"). */
KORVA_API int KORVA_CALL KORVA_Obter_Casas_Decimais(char* casas);
/* `operador` (KORVA_TAM_OPERADOR): the operator's name. */
KORVA_API int KORVA_CALL KORVA_Obter_Operador(char* operador);
/* `chaves` receives the microswitches: SW1 to SW6 in bits 0 to 5 (0x01..0x20), SW8 in bit 6
 * (0x40); SW7 has no bit of its own. SW5 to SW8 exist only on one family of modules. */
KORVA_API int KORVA_CALL KORVA_Obter_Estado_Microchaves(unsigned short* chaves);
/* `jornada` (KORVA_TAM_JORNADA): 0-7 start date, 8-13 start time, 14-21 end date, 22-27 end time
 * (01012000 000000 while no Z reduction closed the day), 28-33 first COO, 34-39 last COO, 40-45
 * last Z reduction, 46-51 Z reductions remaining, 52-57 first fiscal receipt, 58-63 last fiscal
 * receipt, 64 day open (1/0), 65 day limit reached (1/0), 66 a new day may start (1/0). */
KORVA_API int KORVA_CALL KORVA_Obter_Dados_Jornada(char* jornada);
/* `numero` (KORVA_TAM_NUMERO_USUARIO): number of the current user, "0" before fiscalization. */
KORVA_API int KORVA_CALL KORVA_Obter_Numero_Usuario(char* numero);
/* `log` (KORVA_TAM_LOG): the ten most recent events, newest first, 27 characters each: date (8),
 * time hhmm (4), event (1), file (4), line (5), command (4), type (1).
 * `contador` (KORVA_TAM_LOG_CONTADOR): the number of characters in `log`, in decimal. */
KORVA_API int KORVA_CALL KORVA_Obter_Log_Comandos(char* log, char* contador);
/* `mensagem` (KORVA_TAM_MENSAGEM): the Portuguese text of the four-digit return code `codigo`
 * (as found in characters 16-19 of the status). Sends nothing. */
KORVA_API int KORVA_CALL KORVA_Obter_Mensagem_Erro(const char* codigo, char* mensagem);
/* `arredonda` (KORVA_TAM_SIM_NAO): "S" when the printer rounds, "N" when it truncates;
 * `fabricacao` (KORVA_TAM_SIM_NAO): "S" for own manufacture, "N" otherwise. */
KORVA_API int KORVA_CALL KORVA_Obter_Arredonda_Trunca_Fabricacao(char* arredonda, char* fabricacao);

/* ---- Settings (the table and user settings need technical intervention, MIT) -------------- */

/* Header lines (up to 56 characters each; a line may start with ESC and an attribute
 * character), ECF number (3 digits) and store number (4 digits). */
KORVA_API int KORVA_CALL KORVA_Configurar_Usuario(const char* linha1, const char* linha2,
                                                  const char* linha3, const char* linha4,
                                                  const char* numeroEcf, const char* loja);
/* Sets the clock. `modo` 1: `data` DDMMAAAA and `hora` hhmmss become the printer's time.
 * `modo` 0 with "01012000" and "000001": forced entry into technical intervention (MIT); an open
 * document is closed and an open day reduced first. Already in MIT: success, nothing else. */
KORVA_API int KORVA_CALL KORVA_Ajustar_Relogio(const char* data, const char* hora, int modo);
/* Currency symbol, up to 4 characters. Zeroes the grand total. */
KORVA_API int KORVA_CALL KORVA_Configurar_Simbolo_Moeda(const char* simbolo);
/* Serial speed "9600", "19200" or "38400"; takes effect when the printer is switched on again. */
KORVA_API int KORVA_CALL KORVA_Config_Serial_Impressora(const char* velocidade);
/* Enters daylight-saving time when out of it, leaves it when in it. */
KORVA_API int KORVA_CALL KORVA_Config_Horario_Verao(void);
/* 1 allows discounts on ISSQN items, 0 forbids them. */
KORVA_API int KORVA_CALL KORVA_Configurar_Desconto_ISS(int habilita);
/* Registers a tax rate: `aliquota` 4 digits, `tipo` 0 ICMS (code "T?"), 1 ISSQN (code "S?").
 * The printer gives it the next free position letter of its type. */
KORVA_API int KORVA_CALL KORVA_Config_Aliquota(const char* aliquota, int tipo);
/* Registers a managerial report under the next free number. */
KORVA_API int KORVA_CALL KORVA_Config_Relatorio_Gerencial(const char* nome);
/* Registers payment method `numero` ("02".."20") as `nome`; `vinculado` 1 when linked. */
KORVA_API int KORVA_CALL KORVA_Config_Forma_Pagamento(int vinculado, const char* numero,
                                                      const char* nome);
/* Registers a non-fiscal totalizer under the next free number, written to `numero` when the
 * pointer is not null. */
KORVA_API int KORVA_CALL KORVA_Config_Totalizador_NaoFiscal(const char* nome, int* numero);
/* Deletes tax rate `codigo` ("Ta".."Sr"); one that does not exist answers return code 090f. */
KORVA_API int KORVA_CALL KORVA_Excluir_Aliquota(const char* codigo);
/* Deletes managerial report `numero`; one that does not exist answers return code 0e17. */
KORVA_API int KORVA_CALL KORVA_Excluir_Relatorio_Gerencial(const char* numero);
/* Deletes payment method `numero`; one that does not exist answers 050e (third-generation
 * printers) or 0908 (the others). */
KORVA_API int KORVA_CALL KORVA_Excluir_Forma_Pagamento(const char* numero);
/* Deletes non-fiscal totalizer `numero`; one that does not exist answers return code 0e15. */
KORVA_API int KORVA_CALL KORVA_Excluir_NaoFiscal(const char* numero);
/* Operator's name, up to 20 characters. */
KORVA_API int KORVA_CALL KORVA_Config_Operador(const char* operador);
/* Adds a municipal registration (I.M, up to 20 characters) to the current user. */
KORVA_API int KORVA_CALL KORVA_Config_Adiciona_IM(const char* inscricaoMunicipal);
/* Quantity and unit-price decimals, "2" or "3" each (leading zeros allowed). */
KORVA_API int KORVA_CALL KORVA_Config_Casas_Decimais(const char* quantidade,
                                                     const char* precoUnitario);
/* `arredonda` "A" (round) or "T" (truncate); `fabricacao` "S" or "N" (own manufacture). */
KORVA_API int KORVA_CALL KORVA_Config_Arredonda_Trunca_Fabricacao(const char* arredonda,
                                                                  const char* fabricacao);

/* ---- Fiscal set-up ----------------------------------------------------------------------- */

/* Starts a new detail memory (MFD) after the current one filled up or failed. */
KORVA_API int KORVA_CALL KORVA_Iniciar_Nova_MFD(void);
/* Records a user (first step of fiscalization or of a change of user): C.N.P.J (14 digits) or
 * C.P.F (11 digits) without punctuation, I.E, I.M (at least one of the two), recording password
 * (up to 8 characters, may be empty), quantity and unit-price decimals ("02" or "03"). */
KORVA_API int KORVA_CALL KORVA_FiscalizeEX(const char* cnpj, const char* ie, const char* im,
                                           const char* senha, const char* casasQuantidade,
                                           const char* casasPreco);
/* Confirms the user recorded by KORVA_FiscalizeEX. Outputs: C.N.P.J (33), I.E (21), I.M (21),
 * user number (11), date DDMMAAAA (9), time hhmmss (9), sizes in bytes. */
KORVA_API int KORVA_CALL KORVA_Confirm_FiscalizeEX(char* cnpj, char* ie, char* im,
                                                   char* numeroUsuario, char* data, char* hora);

/* ---- Digital signature -------------------------------------------------------------------- */

/* `chave` (KORVA_TAM_CHAVE_PUBLICA): the public key of the loaded signature key as text. */
KORVA_API int KORVA_CALL KORVA_Get_DS_Key(char* chave);
/* Loads the signature key: `chave` is the 520-character key text (four CRC digits, the two
 * wrapped primes in hexadecimal, the last four CRC digits). The printer checks the CRC,
 * unwraps both primes, checks them and derives the public key; it then stays blocked for fiscal
 * work until KORVA_Enable_DS_Key. Outputs: fiscal memory serial (33), C.N.P.J (21), I.E (21),
 * user number (11), date DDMMAAAA (9), sizes in bytes. */
KORVA_API int KORVA_CALL KORVA_Set_DS_KeyEX(const char* chave, char* serie, char* cnpj, char* ie,
                                            char* numeroUsuario, char* data);
/* Enables the loaded signature key. */
KORVA_API int KORVA_CALL KORVA_Enable_DS_Key(void);

/* ---- Printed reports ---------------------------------------------------------------------- */

/* Prints an X reading. */
KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_LeituraX(void);
/* Prints a Z reduction. `data` DDMMAAAA and `hora` hhmmss adjust the clock by up to five
 * minutes (both empty: no adjustment); `acao` 0 leaves daylight-saving time, 1 enters it, 2 keeps
 * the current state; `reservado` points to 8 zero bytes. */
KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_RZ(const char* data, const char* hora, int acao,
                                                  const char* reservado);
/* Prints a fiscal memory reading from `inicio` to `fim` (reduction counters or DDMMAAAA dates).
 * `modo`: 4 complete by counter, 5 complete by date, 6 simplified by counter, 7 simplified by
 * date. The remaining arguments are reserved: "", "", 0, 0. */
KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_Leitura_MF(const char* inicio, const char* fim,
                                                          int modo, const char* reservado1,
                                                          const char* reservado2, int reservado3,
                                                          int reservado4);
/* Prints the X reading that opens the fiscal day. */
KORVA_API int KORVA_CALL KORVA_RelatorioFiscal_Abrir_Dia(void);
/* Detail memory readings from `inicio` to `fim`: by COO (KORVA_Leitura_MFD), by date DDMMAAAA
 * (KORVA_Leitura_MFD_Data) or by reduction counter (KORVA_Leitura_MFD_CRZ). The remaining
 * arguments are reserved: 0, 0, "", 0, 0, 0. */
KORVA_API int KORVA_CALL KORVA_Leitura_MFD(const char* inicio, const char* fim, int reservado1,
                                           int reservado2, const char* reservado3, int reservado4,
                                           int reservado5, int reservado6);
KORVA_API int KORVA_CALL KORVA_Leitura_MFD_Data(const char* inicio, const char* fim, int reservado1,
                                                int reservado2, const char* reservado3,
                                                int reservado4, int reservado5, int reservado6);
KORVA_API int KORVA_CALL KORVA_Leitura_MFD_CRZ(const char* inicio, const char* fim, int reservado1,
                                               int reservado2, const char* reservado3,
                                               int reservado4, int reservado5, int reservado6);

/* ---- Raw commands ------------------------------------------------------------------------- */

/* Sends raw command `comando` (up to 1024 characters); the answer is discarded. */
KORVA_API int KORVA_CALL KORVA_Send_From_File(const char* comando);
/* Sends raw command `comando`; `resposta` (KORVA_TAM_RESPOSTA) receives the answer. */
KORVA_API int KORVA_CALL KORVA_Send_From_FileEX(const char* comando, char* resposta);
/* Sends raw command `comando`; `estado` (KORVA_TAM_ESTADO) receives the status text of this
 * exchange and `resposta` (KORVA_TAM_RESPOSTA_CURTA) the first 9 characters of the answer. */
KORVA_API int KORVA_CALL KORVA_Send_From_FileEXX(const char* comando, char* estado, char* resposta);
/* Sends a raw command that carries a data line of a software update; the answer is discarded. */
KORVA_API int KORVA_CALL KORVA_Send_From_File_Bin(const char* comando);

/* ---- Logging ------------------------------------------------------------------------------ */

/* `diretorio`: where the daily log files go (created when missing); `habilita` 1 logs every
 * exchange from now on, 0 stops logging. */
KORVA_API int KORVA_CALL KORVA_Sys_Log(const char* diretorio, int habilita);

#ifdef __cplusplus
}
#endif

#endif /* INTERFACE_KORVA_H */
