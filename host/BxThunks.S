/* Thunks between the host's C++ code and the plug-in's register calling
   convention: first three arguments in EAX, EDX, ECX, the rest pushed left to
   right and removed by the callee. Written by hand, so that the plug-in's own
   declarations are checked against an independent reading of the convention.
*/
        .intel_syntax noprefix
        .text

/* uint32_t bx_call(void* fn, const uint32_t* args, uint32_t count, int32_t* stackDelta)
   cdecl. Calls fn with args[0..2] in EAX, EDX, ECX and args[3..count-1] pushed
   in that order (args[3] first). Stores in *stackDelta how many bytes the
   callee left on (positive) or took off (negative) the stack beyond the
   arguments it should have removed. Returns EAX. */
        .globl _bx_call
_bx_call:
        push    ebp
        mov     ebp, esp
        push    ebx
        push    esi
        push    edi
        mov     esi, [ebp+12]           /* args */
        mov     ecx, [ebp+16]           /* count */
        mov     edi, esp                /* stack before the pushes */
        mov     ebx, 3
1:      cmp     ebx, ecx
        jae     2f
        push    dword ptr [esi+ebx*4]
        inc     ebx
        jmp     1b
2:      xor     eax, eax
        xor     edx, edx
        cmp     ecx, 0
        je      3f
        mov     eax, [esi]
        cmp     ecx, 1
        je      3f
        mov     edx, [esi+4]
        cmp     ecx, 2
        je      3f
        mov     ecx, [esi+8]
        jmp     4f
3:      xor     ecx, ecx
4:      call    dword ptr [ebp+8]
        mov     ebx, esp
        sub     ebx, edi                /* 0 when the callee removed exactly its stack arguments */
        mov     esp, edi                /* repair whatever it did */
        mov     esi, [ebp+20]
        test    esi, esi
        jz      5f
        mov     [esi], ebx
5:      pop     edi
        pop     esi
        pop     ebx
        pop     ebp
        ret

/* Callback entry points handed to the plug-in. Each one collects the three
   register arguments and the address of its stack arguments and calls a cdecl
   handler  uint32_t handler(eax, edx, ecx, const uint32_t* stack)  where
   stack[0] is the LAST argument (pushed last) and stack[n-1] the fourth.
   It then returns, removing its n stack arguments. */
        .macro REGTHUNK name, handler, nstack
        .globl \name
\name:
        push    ebp
        mov     ebp, esp
        lea     ebp, [ebp+8]
        push    ebp                     /* stack arguments */
        push    ecx
        push    edx
        push    eax
        call    \handler
        add     esp, 16
        pop     ebp
        ret     4*\nstack
        .endm

        REGTHUNK _bx_thunk_add_action, _bx_on_add_action, 3
        REGTHUNK _bx_thunk_get_var, _bx_on_get_var, 0
        REGTHUNK _bx_thunk_set_var, _bx_on_set_var, 0
        REGTHUNK _bx_thunk_script, _bx_on_script, 0
