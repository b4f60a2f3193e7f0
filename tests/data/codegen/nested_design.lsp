(defun c:LoadDialog( / dcl_id)
   (defun init_handler()   ;Initialation_Code
       (action_tile "one" "(OnOne)")
       (action_tile "ed" "(OnEd)")
       (princ)
   );End of Initial Function
   (defun set_data() ;Start Set function
       (if chk_var (set_tile "chk" (rtos chk_var 2 0)))
       (if ed_var (set_tile "ed" (rtos ed_var 2)))
       (if grp_var (set_tile "grp" grp_var))
       (princ)
   );End of Set function
   (defun get_data() ;Start Get function
       (setq chk_var (atof (get_tile "chk" )))
       (setq ed_var (atof (get_tile "ed" )))
       (setq grp_var (get_tile "grp" ))
       (princ)
   );End of Get function
   (defun OnOne()  ;Start of OnOne()
   );End of OnOne()
   (defun OnEd()  ;Start of OnEd()
      (princ "ed")
   );End of OnEd()
   (if (setq dcl_id (load_dialog "nest.dcl"))
       (if (new_dialog "nest_dlg" dcl_id)
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
