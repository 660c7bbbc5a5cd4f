; A 16 KB ROM for the emulator preview, filling every ROM slot of the
; emulated Pentagon. The viewer never calls the ROM; the ROM only has to keep
; the machine safe: a reset waits with interrupts off, the IM 1 interrupt
; returns at once and so does the non-maskable one.

        org 0x0000
reset:
        di
        xor a
        out (0xFE), a           ; black border
        ld sp, 0x0000
wait:
        halt
        jr wait

        ds 0x0038 - $, 0xFF
        ei                      ; IM 1 frame interrupt
        ret

        ds 0x0066 - $, 0xFF
        retn                    ; non-maskable interrupt

        ds 0x4000 - $, 0xFF
