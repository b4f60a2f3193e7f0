(defun c:LoadDialog( / dcl_id)
   (defun init_handler()   ;Initialation_Code
       (action_tile "b1" "(WithParens)")
       (action_tile "b2" "(DoIt)")
       (action_tile "b3" "(Spaced)")
       (action_tile "b4" "(  Padded)")
       (action_tile "b5" "(Two Words)")
       (action_tile "b7" "(123)")
       (action_tile "b8" "(-7)")
       (action_tile "b9" "(1e5)")
       (action_tile "b10" "(a.b)")
       (action_tile "b11" "(it's)")
       (action_tile "b12" "(semi;colon)")
       (action_tile "b13" "(say\"q)")
       (action_tile "b14" "(x))")
       (action_tile "b15" "(1+)")
       (action_tile "b16" "(C:Cmd)")
       (action_tile "b17" "(OnArgs)")
       (action_tile "pick" "(Pick)")
       (princ)
   );End of Initial Function
   (defun set_data() ;Start Set function
       (princ)
   );End of Set function
   (defun get_data() ;Start Get function
       (princ)
   );End of Get function
   (defun WithParens()  ;Start of WithParens()
   );End of WithParens()
   (defun DoIt()  ;Start of DoIt()
      (princ "do")
      (princ)
   );End of DoIt()
   (defun Spaced()  ;Start of Spaced()
   );End of Spaced()
   (defun   Padded()  ;Start of   Padded()
   );End of   Padded()
   (defun Two Words  ;Start of Two Words
   );End of Two Words
   (defun 123  ;Start of 123
   );End of 123
   (defun -7  ;Start of -7
   );End of -7
   (defun 1e5  ;Start of 1e5
   );End of 1e5
   (defun a.b  ;Start of a.b
   );End of a.b
   (defun it's  ;Start of it's
   );End of it's
   (defun semi;colon  ;Start of semi;colon
   );End of semi;colon
   (defun say"q  ;Start of say"q
   );End of say"q
   (defun x)  ;Start of x)
   );End of x)
   (defun 1+()  ;Start of 1+()
   );End of 1+()
   (defun C:Cmd()  ;Start of C:Cmd()
   );End of C:Cmd()
   (defun OnArgs(a / b)  ;Start of OnArgs(a / b)
   );End of OnArgs(a / b)
   (defun Pick()  ;Start of Pick()
   );End of Pick()
   (if (setq dcl_id (load_dialog "actions.dcl"))
       (if (new_dialog "actions_dlg" dcl_id)
           (progn
              (setq result nil)
              (init_handler)
              (set_data)
              (action_tile "accept" "(get_data)(done_dialog)(setq result T)")
              (start_dialog)
              (unload_dialog dcl_id)
              result
            )
        )
    )
)
