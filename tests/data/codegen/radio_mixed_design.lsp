(defun c:LoadDialog( / dcl_id)
   (defun init_handler()   ;Initialation_Code
       (princ)
   );End of Initial Function
   (defun set_data() ;Start Set function
       (if boxcol_var (set_tile "boxcol" boxcol_var))
       (if grp_var (set_tile "grp" grp_var))
       (princ)
   );End of Set function
   (defun get_data() ;Start Get function
       (setq boxcol_var (get_tile "boxcol" ))
       (setq grp_var (get_tile "grp" ))
       (princ)
   );End of Get function
   (if (setq dcl_id (load_dialog "mixed.dcl"))
       (if (new_dialog "mixed_dlg" dcl_id)
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
