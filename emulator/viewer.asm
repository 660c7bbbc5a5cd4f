; GigaScreen viewer for a Pentagon 128. The snapshot holds screen 0 in RAM
; bank 5 and screen 1 in bank 7; this code sits in bank 2 at 0x8000. Every
; frame interrupt shows the other screen through port 0x7FFD bit 3 and sets
; the border of that screen, so the two screens alternate at 50 Hz and the
; eye mixes them. Both OUTs come first in the handler: the border must change
; before the top border is drawn and the screen before the paper is.
;
; The snapshot maker fills in the two border colours at fixed offsets 3 and
; 4, just after the jump, and for a picture of 8x1 cells the bits of port
; 0x7FFD to flip (also paging each screen's attribute stream in at 0xC000)
; and the line code it generated for each screen. The line code runs in
; the handler with the stack pointer its own and jumps back to lines_done.

SCREEN_BIT  equ 0x08            ; port 0x7FFD: show bank 7 instead of bank 5
PAGING      equ 0x10            ; port 0x7FFD: bank 0 at 0xC000, ROM 1
VECTORS     equ 0x8200          ; IM 2 table, 257 bytes of HANDLER_HIGH
HANDLER_HIGH equ 0x83
HANDLER     equ 0x8383

        org 0x8000
        jp start
border0:
        db 0                    ; border colour of screen 0
border1:
        db 0                    ; border colour of screen 1
paging:
        db PAGING               ; port 0x7FFD value of the screen shown now
flip:
        db SCREEN_BIT           ; offset 6: port 0x7FFD bits flipped each frame
lines0:
        dw 0                    ; offset 7: line code for screen 0, or 0
lines1:
        dw 0                    ; offset 9: line code for screen 1, or 0
saved_sp:
        dw 0
lines_exit:
        jp lines_done           ; offset 13: where the line code ends

start:
        di
        ld sp, 0xC000           ; the stack at the top of bank 2
        ld hl, VECTORS          ; whatever the data bus holds, the vector
        ld de, VECTORS + 1      ; read from the table is HANDLER
        ld bc, 256
        ld (hl), HANDLER_HIGH
        ldir
        ld a, VECTORS / 256
        ld i, a
        im 2
        ld a, (paging)
        ld bc, 0x7FFD
        out (c), a
        ld a, (border0)
        out (0xFE), a
        ei
idle:
        halt
        jr idle

        ds HANDLER - $, 0
        ; HANDLER
        push af
        push bc
        push hl
        ld a, (paging)
        ld hl, flip
        xor (hl)
        ld (paging), a
        ld bc, 0x7FFD
        out (c), a
        and SCREEN_BIT
        ld a, (border0)
        jr z, show_border
        ld a, (border1)
show_border:
        out (0xFE), a
        ld a, (paging)
        and SCREEN_BIT
        ld hl, (lines0)
        jr z, have_lines
        ld hl, (lines1)
have_lines:
        ld a, h
        or l
        jr z, handler_done
        ld (saved_sp), sp
        jp (hl)
lines_done:
        ld sp, (saved_sp)
handler_done:
        pop hl
        pop bc
        pop af
        ei
        reti
