// Basic regular expressions for REGEX. Items are compiled one opcode each; "x+" becomes "x" and
// "x*"; the matcher recurses only at closures.
#include "grid/formula/RegexState.h"
#include "grid/formula/FunctionSupport.h"
#include <string.h>

namespace
{
const int GX_ERR_REGEX = 79;

bool IsWordChar(char c)
{
    int ch = (BYTE)c & 0x7F;
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || ch == '_' || (ch >= 'a' && ch <= 'z');
}

void AddToSet(BYTE* pSet, int c)
{
    pSet[(c >> 3) & 15] |= (BYTE)(1 << (c & 7));
}

bool InSet(const BYTE* pSet, char c)
{
    int ch = (BYTE)c;
    return (pSet[(ch >> 3) & 15] & (1 << (ch & 7))) != 0;
}

// Length of the item starting at code[i] (closures take only one-character items).
int ItemLength(const BYTE* pCode)
{
    switch (*pCode)
    {
    case RX_CHAR:
    case RX_GROUP_OPEN:
    case RX_GROUP_CLOSE:
    case RX_BACKREF:
        return 2;
    case RX_CLASS:
    case RX_NOT_CLASS:
        return 17;
    default:
        return 1;
    }
}

// Whether the one-character item at pCode matches c (never the end of the text).
bool ItemMatches(const BYTE* pCode, char c)
{
    if (c == '\0')
        return false;
    switch (*pCode)
    {
    case RX_CHAR:
        return (BYTE)c == pCode[1];
    case RX_ANY:
        return true;
    case RX_CLASS:
        return InSet(pCode + 1, c);
    case RX_NOT_CLASS:
        return !InSet(pCode + 1, c);
    default:
        return false;
    }
}

// One attempt from the text position p; the end of the match, or NULL.
const char* MatchAt(GX_REGEX_STATE* s, const char* p, const BYTE* pc)
{
    for (;;)
    {
        if (--s->nStepsLeft < 0)
            return NULL;
        switch (*pc)
        {
        case RX_END:
            return p;
        case RX_CHAR:
        case RX_ANY:
        case RX_CLASS:
        case RX_NOT_CLASS:
            if (!ItemMatches(pc, *p))
                return NULL;
            p++;
            break;
        case RX_TEXT_START:
            if (p != s->pszText)
                return NULL;
            break;
        case RX_TEXT_END:
            if (*p != '\0')
                return NULL;
            break;
        case RX_GROUP_OPEN:
            s->apGroupStart[pc[1]] = p;
            break;
        case RX_GROUP_CLOSE:
            s->apGroupEnd[pc[1]] = p;
            break;
        case RX_WORD_START:
            if ((p > s->pszText && IsWordChar(p[-1])) || !IsWordChar(*p))
                return NULL;
            break;
        case RX_WORD_END:
            if (p == s->pszText || !IsWordChar(p[-1]) || IsWordChar(*p))
                return NULL;
            break;
        case RX_BACKREF: {
            const char* pStart = s->apGroupStart[pc[1]];
            const char* pEnd = s->apGroupEnd[pc[1]];
            if (pStart == NULL || pEnd < pStart)
                return NULL;
            size_t n = (size_t)(pEnd - pStart);
            if (strncmp(p, pStart, n) != 0)
                return NULL;
            p += n;
            break;
        }
        case RX_CLOSURE: {
            const BYTE* pItem = pc + 1;
            const BYTE* pRest = pItem + ItemLength(pItem);
            const char* q = p;
            while (ItemMatches(pItem, *q))
                q++;
            for (;; q--)
            {
                if (const char* pEnd = MatchAt(s, q, pRest))
                    return pEnd;
                if (q == p || s->nStepsLeft < 0)
                    return NULL;
            }
        }
        default:
            return NULL;
        }
        pc += ItemLength(pc);
    }
}
} // namespace

GX_REGEX_STATE* GXGetRegexState()
{
    static GX_REGEX_STATE* s_pState = NULL;
    if (s_pState == NULL)
    {
        s_pState = new GX_REGEX_STATE;
        memset(s_pState->anGroupStack, 0, sizeof(s_pState->anGroupStack));
        memset(s_pState->abCode, 0, sizeof(s_pState->abCode));
        s_pState->bValid = 0;
        memset(s_pState->abSet, 0, sizeof(s_pState->abSet));
        s_pState->pszText = NULL;
        memset(s_pState->apGroupStart, 0, sizeof(s_pState->apGroupStart));
        memset(s_pState->apGroupEnd, 0, sizeof(s_pState->apGroupEnd));
        s_pState->nStepsLeft = 0;
    }
    return s_pState;
}

const char* GXRegexCompile(const char* pszPattern)
{
    GX_REGEX_STATE* s = GXGetRegexState();
    if (*pszPattern == '\0')
        return s->bValid ? NULL : "No previous regular expression";
    s->bValid = 0;
    BYTE* code = s->abCode;
    int n = 0;       // bytes emitted
    int nLast = -1;  // where the last item began
    int nGroups = 0; // groups opened so far
    int nOpen = 0;   // depth of the open-group stack
    const char* pszTooLong = "Regular expression too long";
    // Room for n more bytes and the final RX_END.
    auto room = [&](int nBytes) { return n + nBytes + 1 <= GX_REGEX_CODE_SIZE; };
    for (const char* p = pszPattern; *p != '\0'; p++)
    {
        int nItem = n;
        char c = *p;
        if (c == '*' || c == '+')
        {
            if (nLast < 0)
                return "Empty closure";
            BYTE op = code[nLast];
            if (op == RX_CLOSURE)
                continue;
            if (op == RX_TEXT_START || op == RX_GROUP_OPEN || op == RX_GROUP_CLOSE || op == RX_WORD_START ||
                op == RX_WORD_END || op == RX_BACKREF)
                return "Illegal closure";
            int nLen = n - nLast;
            if (c == '+')
            {
                if (!room(nLen))
                    return pszTooLong;
                memcpy(code + n, code + nLast, nLen);
                nLast = n;
                n += nLen;
            }
            if (!room(1))
                return pszTooLong;
            memmove(code + nLast + 1, code + nLast, nLen);
            code[nLast] = RX_CLOSURE;
            n++;
            continue;
        }
        if (!room(17))
            return pszTooLong;
        if (c == '.')
            code[n++] = RX_ANY;
        else if (c == '[')
        {
            p++;
            code[n++] = RX_CLASS;
            if (*p == '^')
            {
                code[nItem] = RX_NOT_CLASS;
                p++;
            }
            memset(s->abSet, 0, sizeof(s->abSet));
            bool bFirst = true;
            int nPrev = -1;
            for (;; p++, bFirst = false)
            {
                if (*p == '\0')
                    return "Missing ]";
                if (*p == ']' && !bFirst)
                    break;
                if (*p == '-' && !bFirst && nPrev >= 0 && p[1] != ']' && p[1] != '\0')
                {
                    p++;
                    for (int ch = nPrev; ch <= (BYTE)*p; ch++)
                        AddToSet(s->abSet, ch);
                    nPrev = -1;
                    continue;
                }
                nPrev = (BYTE)*p;
                AddToSet(s->abSet, nPrev);
            }
            memcpy(code + n, s->abSet, 16);
            n += 16;
            memset(s->abSet, 0, sizeof(s->abSet));
        }
        else if (c == '^' && p == pszPattern)
            code[n++] = RX_TEXT_START;
        else if (c == '$' && p[1] == '\0')
            code[n++] = RX_TEXT_END;
        else if (c == '\\' && p[1] == '(')
        {
            p++;
            if (nGroups == 9)
                return "Too many \\(\\) pairs";
            s->anGroupStack[nOpen++] = ++nGroups;
            code[n++] = RX_GROUP_OPEN;
            code[n++] = (BYTE)nGroups;
        }
        else if (c == '\\' && p[1] == ')')
        {
            p++;
            if (nLast >= 0 && code[nLast] == RX_GROUP_OPEN && nLast + 2 == n)
                return "Null pattern inside \\(\\)";
            if (nOpen == 0)
                return "Unmatched \\)";
            code[n++] = RX_GROUP_CLOSE;
            code[n++] = (BYTE)s->anGroupStack[--nOpen];
        }
        else if (c == '\\' && p[1] >= '1' && p[1] <= '9')
        {
            p++;
            int nGroup = *p - '0';
            for (int i = 0; i < nOpen; i++)
                if (s->anGroupStack[i] == nGroup)
                    return "Cyclical reference";
            if (nGroup > nGroups)
                return "Undetermined reference";
            code[n++] = RX_BACKREF;
            code[n++] = (BYTE)nGroup;
        }
        else if (c == '\\' && p[1] == '<')
        {
            p++;
            code[n++] = RX_WORD_START;
        }
        else if (c == '\\' && p[1] == '>')
        {
            p++;
            if (nLast >= 0 && code[nLast] == RX_WORD_START && nLast + 1 == n)
                return "Null pattern inside \\<\\>";
            code[n++] = RX_WORD_END;
        }
        else
        {
            if (c == '\\' && p[1] != '\0')
                c = *++p;
            code[n++] = RX_CHAR;
            code[n++] = (BYTE)c;
        }
        nLast = nItem;
    }
    if (nOpen > 0)
        return "Unmatched \\(";
    code[n] = RX_END;
    s->bValid = 1;
    return NULL;
}

int GXRegexExec(const char* pszText)
{
    GX_REGEX_STATE* s = GXGetRegexState();
    s->pszText = pszText;
    memset(s->apGroupStart, 0, sizeof(s->apGroupStart));
    s->nStepsLeft = GX_REGEX_STEP_BUDGET;
    const BYTE* code = s->abCode;
    const char* p = pszText;
    const char* pEnd = NULL;
    if (code[0] == RX_END)
        return 0;
    if (code[0] == RX_TEXT_START)
        pEnd = MatchAt(s, p, code);
    else
    {
        if (code[0] == RX_CHAR)
        {
            p = strchr(pszText, (char)code[1]);
            if (p == NULL)
                return 0;
        }
        if (*p == '\0')
            return 0;
        for (;; p++)
        {
            pEnd = MatchAt(s, p, code);
            if (pEnd != NULL || *p == '\0' || s->nStepsLeft < 0)
                break;
        }
    }
    if (s->nStepsLeft < 0)
        return -1;
    if (pEnd == NULL)
        return 0;
    s->apGroupStart[0] = p;
    s->apGroupEnd[0] = pEnd;
    return 1;
}

GX_VALUE* GXRegex(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    for (DWORD i = 1; i <= 2; i++)
    {
        GXResolveArgument(&pArgs[i]);
        if (pArgs[i].nKind != GX_VALUE_STRING)
            GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    }
    if (GXRegexCompile(pArgs[1].pszValue) != NULL)
        GXRaiseFunctionError(GX_ERR_REGEX);
    int nMatch = GXRegexExec(pArgs[2].pszValue);
    if (nMatch < 0)
        GXRaiseFunctionError(GX_ERR_RECURSION);
    return GXReturnNumber(pResult, nMatch);
}
